// libFuzzer harness of the segment loader: any input is either refused
// through the fatal error of the segment or loaded; a loaded segment reads
// back the same after being written again, and its records answer every
// look-up.
#include <array>
#include <cstdlib>
#include <string_view>

#include "runtime/core/values/fatal_error.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"
#include "runtime/core/template/unit_property_data.h"

namespace {

using namespace vorlix::core;

struct Refused {};

bool ThrowingHook(int, int, std::string_view) { throw Refused{}; }

using Entry = void (*)();
void Routine() {}
const std::array<Entry, 4> kTable{Routine, Routine, Routine, Routine};

void Walk(const WindowRecord& window) {
  for (const auto& record : window.records) {
    HandlerFor(window, record, 0);
    if (const UnitRecord* unit = record.Unit()) {
      if (const UnitTypeDescriptor* type = FindUnitType(unit->type)) UnitPropertyData::Parse(*type, unit->property_data);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetErrorHook(ThrowingHook);
  const std::span<const std::uint8_t> input(data, size);
  TemplateSegment loaded;
  try {
    loaded = LoadSegment(input, CodeBaseOf(std::span<const Entry>(kTable)));
  } catch (const Refused&) {
    return 0;
  }
  for (const auto& window : loaded) Walk(window.record);
  const TemplateSegment parsed = ParseSegment(input);
  if (ParseSegment(SerialiseSegment(parsed)) != parsed) std::abort();
  return 0;
}
