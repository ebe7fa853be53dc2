#pragma once

#include <cstdint>
#include <optional>

#include "platform/window_notices.h"
#include "runtime/core/values/identifiers.h"

namespace vorlix::core {

// The window type's events from its window's notices: close query (1; a
// false answer keeps the window open), destroyed (2), moved (3), resized
// (4), activated (5, after first activation 8 the first time), deactivated
// (6), shown (10), hidden (11), and the selected event of menu items.
std::optional<std::intptr_t> HandleWindowNotice(const platform::Notice& notice);

// A window made visible is activated while it is built, when its events are
// not delivered; once they are, its first activation is raised if it is
// still the active window.
void CatchUpFirstActivation(WindowId window);

// The events of units from their controls' notices: clicks of buttons,
// check boxes and radio boxes (0), the list view's events 0-6 and 8, and
// focus gained (-7) and lost (-8) for every unit and the window.
std::optional<std::intptr_t> HandleUnitNotice(const platform::Notice& notice);

}  // namespace vorlix::core
