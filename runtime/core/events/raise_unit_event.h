#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::core {

// Raises an event with integer arguments; the request tells whether a
// handler ran and what it returned.
EventRequest RaiseUnitEvent(WindowId window, UnitId unit, std::int32_t event,
                            std::initializer_list<std::int32_t> arguments = {});

// A handler ran and returned false (0).
inline bool Refused(const EventRequest& request) { return request.result_present && request.result == 0; }

}  // namespace vorlix::core
