#include "runtime/core/events/raise_unit_event.h"

namespace vorlix::core {

EventRequest RaiseUnitEvent(WindowId window, UnitId unit, std::int32_t event,
                            std::initializer_list<std::int32_t> arguments) {
  EventRequest request{window, unit, event, {}};
  for (std::int32_t argument : arguments) request.arguments.emplace_back(argument);
  RaiseEvent(request);
  return request;
}

}  // namespace vorlix::core
