#include "runtime/core/units/standard_unit_types.h"

namespace vorlix::core {

void AttachStandardRealisers() {
  static const bool attached = [] {
    AttachRealiser(type_codes::kButton, &kButtonRealiser);
    AttachRealiser(type_codes::kCheckBox, &kCheckBoxRealiser);
    AttachRealiser(type_codes::kRadioBox, &kRadioBoxRealiser);
    AttachRealiser(type_codes::kEditBox, &kEditBoxRealiser);
    AttachRealiser(type_codes::kLabel, &kLabelRealiser);
    AttachRealiser(type_codes::kListView, &kListViewRealiser);
    AttachRealiser(type_codes::kListBox, &kListBoxRealiser);
    AttachRealiser(type_codes::kProcessBar, &kProcessBarRealiser);
    AttachRealiser(type_codes::kShapeBox, &kShapeBoxRealiser);
    AttachRealiser(type_codes::kTransLabel, &kTransLabelRealiser);
    AttachRealiser(type_codes::kTimer, &kTimerRealiser);
    AttachRealiser(type_codes::kDropTarget, &kDropTargetRealiser);
    return true;
  }();
  (void)attached;
}

}  // namespace vorlix::core
