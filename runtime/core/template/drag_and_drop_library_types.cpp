// The drag-and-drop library's one unit type: the drop target.
#include "runtime/core/template/support_library_types.h"
#include "texts.h"

namespace vorlix::core {
namespace {

using K = PropertyValueKind;

constexpr PropertyDescriptor kDropTargetProperties[] = {
    {"AcceptText", K::kTruth, 0, 1},
    {"AcceptRichText", K::kTruth, 0, 1},
    {"AcceptLinks", K::kTruth, 0, 1},
    {"AcceptFiles", K::kTruth, 0, 1},
};
constexpr StoredField kDropTargetFields[] = {{0}, {1}, {2}, {3}};
constexpr PropertyLayout kDropTargetLayout{1, kDropTargetFields};

constexpr UnitTypeDescriptor kTypes[] = {
    {texts::kTypeDropTarget, "DropTarget", type_flags::kNonVisual | type_flags::kEvents, kDropTargetProperties,
     &kDropTargetLayout},
};

}  // namespace

std::span<const UnitTypeDescriptor> DragAndDropTypes() { return kTypes; }

}  // namespace vorlix::core
