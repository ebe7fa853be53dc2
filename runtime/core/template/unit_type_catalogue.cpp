#include "runtime/core/template/unit_type_catalogue.h"

#include <algorithm>

#include "runtime/core/template/support_library_types.h"

namespace vorlix::core {
namespace {

// The libraries in the order that numbers them in type codes. Those without
// a unit type of this program list no types. Built on first use, so that a
// look-up during another file's static initialisation finds them.
std::span<const SupportLibrary, 10> Libraries() {
  static const SupportLibrary libraries[] = {
      {"core", CoreLibraryTypes()},
    {"extended user interface", ExtendedUserInterfaceTypes()},
    {"operating-system interface", {}},
    {"application interface", {}},
    {"special functions", {}},
    {"data operations", {}},
    {"internet", {}},
    {"threads", {}},
    {"drag and drop", DragAndDropTypes()},
    {"extended functions", {}},
  };
  return libraries;
}

struct AttachedRealiser {
  UnitTypeCode code;
  const UnitRealiser* realiser;
};
std::vector<AttachedRealiser> attached_realisers;

}  // namespace

std::span<const SupportLibrary> SupportLibraries() { return Libraries(); }

const UnitTypeDescriptor* FindUnitType(UnitTypeCode code) {
  const std::uint32_t library = TypeLibrary(code);
  const std::uint32_t number = TypeNumber(code);
  if (library == 0 || library > Libraries().size()) return nullptr;
  const auto types = Libraries()[library - 1].types;
  if (number == 0 || number > types.size()) return nullptr;
  return &types[number - 1];
}

void AttachRealiser(UnitTypeCode code, const UnitRealiser* realiser) {
  auto found = std::find_if(attached_realisers.begin(), attached_realisers.end(),
                            [&](const AttachedRealiser& entry) { return entry.code == code; });
  if (found != attached_realisers.end()) {
    found->realiser = realiser;
  } else {
    attached_realisers.push_back({code, realiser});
  }
}

const UnitRealiser* FindRealiser(UnitTypeCode code) {
  for (const auto& entry : attached_realisers) {
    if (entry.code == code) return entry.realiser;
  }
  return nullptr;
}

}  // namespace vorlix::core
