#pragma once

// A window that holds a unit of every type this program uses, with Chinese
// captions: the windows tests' and the screenshot's subject.
#include "runtime/core/values/identifiers.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::test {

inline constexpr core::WindowId kSampleWindow = 0x52010021;

// In creation order.
namespace sample {
inline constexpr core::UnitId kEditBox = 0x16010101;
inline constexpr core::UnitId kHint = 0x16010102;
inline constexpr core::UnitId kLabel = 0x16010103;
inline constexpr core::UnitId kButton = 0x16010104;
inline constexpr core::UnitId kShapeBox = 0x16010105;
inline constexpr core::UnitId kRadioA = 0x16010106;
inline constexpr core::UnitId kRadioB = 0x16010107;
inline constexpr core::UnitId kCheckBox = 0x16010108;
inline constexpr core::UnitId kListView = 0x16010109;
inline constexpr core::UnitId kProcessBar = 0x1601010A;
inline constexpr core::UnitId kListBox = 0x1601010B;
inline constexpr core::UnitId kDisabledButton = 0x1601010C;
inline constexpr core::UnitId kStatus = 0x1601010D;
inline constexpr core::UnitId kTimer = 0x1601010E;
inline constexpr core::UnitId kDropTarget = 0x1601010F;
inline constexpr core::UnitId kHiddenCheckBox = 0x16010110;
inline constexpr core::UnitId kSingleLineEdit = 0x16010111;

inline constexpr core::UnitId kFileMenu = 0x26010101;
inline constexpr core::UnitId kOpenItem = 0x26010102;
inline constexpr core::UnitId kSeparator = 0x26010103;
inline constexpr core::UnitId kQuitItem = 0x26010104;
inline constexpr core::UnitId kPopupMenu = 0x26010105;
inline constexpr core::UnitId kRemoveItem = 0x26010106;
inline constexpr core::UnitId kCheckAllItem = 0x26010107;
}  // namespace sample

// The sample window; the timer's period is `timer_period` (0: stopped).
tools::WindowDescription& DescribeSampleWindow(tools::TemplateDescription& description, int timer_period = 0);

// A unit of a description, to add to what it says.
tools::UnitDescription& UnitIn(tools::WindowDescription& window, core::UnitId unit);

}  // namespace vorlix::test
