#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value.h"

namespace vorlix::core {

// An application handler: it receives exactly the arguments of its event
// and returns nothing (nullopt) or a value.
using HandlerResult = std::optional<std::int64_t>;
using Handler = HandlerResult (*)(std::span<const Value> arguments);

// One event of a unit, a menu item or the window itself (unit = the
// window's own record id, or 0). Integer-only events carry int32 values;
// typed events (the drop target's texts) carry any value.
struct EventRequest {
  WindowId window = 0;
  UnitId unit = 0;
  std::int32_t event = 0;
  std::vector<Value> arguments;
  // Written by RaiseEvent.
  bool result_present = false;
  std::int64_t result = 0;
};

// Delivers the request to the handler bound to it; true when a handler ran.
// Nothing is delivered while delivery is suspended.
bool RaiseEvent(EventRequest& request);

// Delivery is suspended while a window is built and after a fatal error;
// suspensions nest.
// Any thread may suspend (an end request from another thread does).
void SuspendEventDelivery();
// Never below 0.
void ResumeEventDelivery();
bool EventDeliverySuspended();
int EventSuspensionDepth();

// The unit whose handler runs now. An event delivered inside a handler
// (while it processes pending messages) replaces it, and its return clears
// it.
struct EventSource {
  WindowId window = 0;
  UnitId unit = 0;
};
std::optional<EventSource> CurrentEventSource();

}  // namespace vorlix::core
