#pragma once

#include <functional>

#include "platform/native_window.h"

namespace vorlix::platform {

// The runtime's hidden tool window: it owns the windows kept out of the task
// bar and takes end requests from other threads to the window thread.
// Created on the window thread; creating it again gives the same window.
WindowHandle CreateHiddenOwnerWindow();
// 0 before it is created and after it is destroyed.
WindowHandle HiddenOwnerWindow();
void DestroyHiddenOwnerWindow();

// From any thread: the window thread receives an end-requested notice with
// the exit code. False when there is no owner window to ask.
bool PostEndRequest(int exit_code);

// From any thread: the window thread runs the task the next time it
// dispatches messages, tasks in the order posted. False when there is no
// owner window to take it; tasks still waiting when it goes are dropped.
bool PostToWindowThread(std::function<void()> task);

}  // namespace vorlix::platform
