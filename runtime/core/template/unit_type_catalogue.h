#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/property_value.h"

namespace vorlix::core {

// What kind of value a type property holds. Only the number matters to the
// runtime; the names say what this program uses each for.
enum class PropertyValueKind : std::uint32_t {
  kInteger = 1000,
  kChoice = 1001,  // a number from a fixed list: styles, alignments
  kTruth = 1003,   // normalised to 0 or 1
  kText = 1006,
  kFileName = 1007,
  kPicture = 1009,
  kIcon = 1010,
  kMousePointer = 1011,
  kSound = 1012,
  kFont = 1013,
  kColour = 1014,     // 0x00BBGGRR; 0xFF000000 is the system's default colour
  kCharacter = 1015,  // a character code
  kTextList = 1016,
  kImageList = 1023,
  kData = 1024,  // a structured byte block (list view columns and items)
};

// Property descriptor flags.
namespace property_flags {
// Not in the stored property data; served by the live unit only.
constexpr std::uint32_t kRuntimeOnly = 1u << 0;
// A change takes effect only when the unit is created again.
constexpr std::uint32_t kRecreatesUnit = 1u << 1;
}  // namespace property_flags

struct PropertyDescriptor {
  std::string_view name;
  PropertyValueKind kind = PropertyValueKind::kInteger;
  std::uint32_t flags = 0;
  // The value a number, colour or truth value has when the data is empty.
  std::int32_t default_word = 0;
};

// How one stored field is written in the property data.
enum class FieldForm : std::uint8_t {
  kWord,      // u32
  kU16,       // u16
  kText,      // u32 length + bytes
  kBytes,     // u32 length + bytes
  kTextList,  // u32 count, then that many texts
};

struct StoredField {
  std::uint8_t property = 0;
  FieldForm form = FieldForm::kWord;
  // Present when the data's layout version is at least this.
  std::uint8_t since_version = 1;
};

struct PropertyLayout {
  std::uint32_t max_version = 1;
  std::span<const StoredField> fields;
  // Brings values into their ranges after reading or writing; false refuses
  // them. May be null.
  bool (*normalise)(std::vector<PropertyValue>& values) = nullptr;
};

// Type descriptor flags.
namespace type_flags {
constexpr std::uint32_t kNonVisual = 0x8000;       // never shown, created without style bits
constexpr std::uint32_t kPagedContainer = 0x0100;  // child list split into pages by 0 entries
constexpr std::uint32_t kMovesChildren = 0x0080;   // child windows move to a re-created unit
constexpr std::uint32_t kNeverRecreated = 0x0010;  // the window type
constexpr std::uint32_t kVisualEvents = 0x0040;    // every visual type
constexpr std::uint32_t kEvents = 0x0004;
}  // namespace type_flags

// The platform's side of a unit type (building and driving its live
// windows). Defined and attached by the platform-specific code; the portable
// code only carries the pointer.
struct UnitRealiser;

struct UnitTypeDescriptor {
  std::string_view name;  // GBK type word, as unit names begin
  std::string_view english_name;
  std::uint32_t flags = 0;
  // Type property k is unit property 8 + k.
  std::span<const PropertyDescriptor> properties;
  // The stored property data; null for the types this program does not use.
  const PropertyLayout* layout = nullptr;

  bool CanRaiseEvents() const { return (flags & (type_flags::kVisualEvents | type_flags::kEvents)) != 0; }
  bool IsNonVisual() const { return (flags & type_flags::kNonVisual) != 0; }
};

// What the runtime tells a support library, by the notice's number.
enum class LibraryNotice : std::int32_t {
  kProgramEnds = 6,
  kRuntimeStarted = 10,
};

struct SupportLibrary {
  std::string_view name;
  // Type number n is at position n - 1.
  std::span<const UnitTypeDescriptor> types;
  // Null for a library that needs no notices.
  void (*notify)(LibraryNotice notice) = nullptr;
};

// The ten support libraries; library number n is at position n - 1.
std::span<const SupportLibrary> SupportLibraries();

// Null when the library or the type number does not exist.
const UnitTypeDescriptor* FindUnitType(UnitTypeCode code);

void AttachRealiser(UnitTypeCode code, const UnitRealiser* realiser);
// Null when none is attached.
const UnitRealiser* FindRealiser(UnitTypeCode code);

}  // namespace vorlix::core
