#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/values/identifiers.h"

namespace vorlix::tests {

// The segment generated at build time from the test window's description.
std::span<const std::uint8_t> TestWindowSegment();

inline constexpr core::WindowId kTestWindowId = 0x52010009;

// Units of the test window, in creation order.
namespace test_units {
inline constexpr core::UnitId kShapeBox = 0x16010001;
inline constexpr core::UnitId kRadioA = 0x16010002;
inline constexpr core::UnitId kRadioB = 0x16010003;
inline constexpr core::UnitId kButton = 0x16010004;
inline constexpr core::UnitId kSecondButton = 0x16010005;
inline constexpr core::UnitId kEditBox = 0x16010006;
inline constexpr core::UnitId kLabel = 0x16010007;
inline constexpr core::UnitId kListView = 0x16010008;
inline constexpr core::UnitId kProcessBar = 0x16010009;
inline constexpr core::UnitId kTimer = 0x1601000A;
inline constexpr core::UnitId kDropTarget = 0x1601000B;
inline constexpr core::UnitId kMenuTop = 0x26010001;
inline constexpr core::UnitId kMenuFirst = 0x26010002;
inline constexpr core::UnitId kMenuSecond = 0x26010003;
}  // namespace test_units

}  // namespace vorlix::tests
