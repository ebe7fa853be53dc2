#pragma once

#include "runtime/core/state/live_unit.h"

namespace vorlix::core {

// The platform side of each unit type of this program, attached to the
// type catalogue by AttachStandardRealisers.
extern const UnitRealiser kButtonRealiser;
extern const UnitRealiser kCheckBoxRealiser;
extern const UnitRealiser kRadioBoxRealiser;
extern const UnitRealiser kEditBoxRealiser;
extern const UnitRealiser kLabelRealiser;
extern const UnitRealiser kListViewRealiser;
extern const UnitRealiser kListBoxRealiser;
extern const UnitRealiser kProcessBarRealiser;
extern const UnitRealiser kShapeBoxRealiser;
extern const UnitRealiser kTransLabelRealiser;
extern const UnitRealiser kTimerRealiser;
extern const UnitRealiser kDropTargetRealiser;

// Idempotent.
void AttachStandardRealisers();

}  // namespace vorlix::core
