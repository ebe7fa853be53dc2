// The program's entry point: the runtime starts and runs the application.
#include "app/mainwindow/start_routine.h"
#include "runtime/core/program/startup.h"

int main() { vorlix::core::RunApplication(vorlix::app::StartRoutine); }
