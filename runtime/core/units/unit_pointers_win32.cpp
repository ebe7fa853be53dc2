#include "runtime/core/units/unit_pointers.h"

#include <cstring>

#include "runtime/core/template/template_loader.h"

namespace vorlix::core {
namespace {

constexpr std::int32_t kCursorFile = -1;

platform::CursorHandle LoadPointer(LiveWindow& live, const ByteSet& data) {
  if (data.size() < 4) return 0;
  std::int32_t number = 0;
  std::memcpy(&number, data.data(), sizeof number);
  if (number != kCursorFile) return platform::StandardCursor(number);
  const auto cursor = platform::CursorFromFileBytes(std::span(data).subspan(4));
  if (cursor != 0) live.file_cursors.push_back(cursor);
  return cursor;
}

}  // namespace

void ApplyUnitPointer(LiveWindow& live, platform::WindowHandle window, const ByteSet& pointer_data) {
  platform::SetWindowCursor(window, LoadPointer(live, pointer_data));
}

void LoadUnitPointers(LiveWindow& live, const WindowRecord& window) {
  ApplyUnitPointer(live, live.frame->window(), window.records[0].Unit()->pointer_data);
  for (const auto& entry : live.units) {
    ApplyUnitPointer(live, entry.unit->window(), FindRecord(window, entry.id)->Unit()->pointer_data);
  }
}

}  // namespace vorlix::core
