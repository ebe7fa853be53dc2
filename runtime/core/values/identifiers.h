#pragma once

#include <cstdint>

namespace vorlix::core {

// Windows, units and menu items are named by 32-bit identifiers:
// bits 28-31 kind, bits 24-27 class, bits 0-23 serial number.
using WindowId = std::uint32_t;
using UnitId = std::uint32_t;

// Library number (from 1) in the high 16 bits, type number (from 1) in the low.
using UnitTypeCode = std::uint32_t;

constexpr std::uint32_t IdKind(std::uint32_t id) { return id >> 28; }
constexpr std::uint32_t IdClass(std::uint32_t id) { return (id >> 24) & 0xF; }
constexpr std::uint32_t IdSerial(std::uint32_t id) { return id & 0xFFFFFF; }
constexpr bool IdIsValid(std::uint32_t id) { return IdClass(id) != 0 && IdSerial(id) != 0; }
constexpr bool IdIsMenuItem(std::uint32_t id) { return IdClass(id) == 6 && IdKind(id) == 2; }

constexpr std::uint32_t MakeId(std::uint32_t kind, std::uint32_t id_class, std::uint32_t serial) {
  return (kind << 28) | ((id_class & 0xF) << 24) | (serial & 0xFFFFFF);
}

// The window's own record inside its record table.
constexpr UnitId kWindowOwnRecordId = 0x06010000;
constexpr WindowId kMainWindowId = 0x52010001;

constexpr std::uint32_t TypeLibrary(UnitTypeCode code) { return code >> 16; }
constexpr std::uint32_t TypeNumber(UnitTypeCode code) { return code & 0xFFFF; }
constexpr UnitTypeCode MakeTypeCode(std::uint32_t library, std::uint32_t number) {
  return (library << 16) | (number & 0xFFFF);
}

namespace type_codes {
constexpr UnitTypeCode kWindow = 0x00010001;
constexpr UnitTypeCode kMenu = 0x00010003;
constexpr UnitTypeCode kEditBox = 0x00010005;
constexpr UnitTypeCode kShapeBox = 0x00010007;
constexpr UnitTypeCode kLabel = 0x0001000A;
constexpr UnitTypeCode kButton = 0x0001000B;
constexpr UnitTypeCode kCheckBox = 0x0001000C;
constexpr UnitTypeCode kRadioBox = 0x0001000D;
constexpr UnitTypeCode kListBox = 0x0001000F;
constexpr UnitTypeCode kProcessBar = 0x00010013;
constexpr UnitTypeCode kTimer = 0x00010020;
constexpr UnitTypeCode kListView = 0x00020004;
constexpr UnitTypeCode kTransLabel = 0x00020005;
constexpr UnitTypeCode kDropTarget = 0x00090001;
}  // namespace type_codes

}  // namespace vorlix::core
