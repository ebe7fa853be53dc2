#include "platform/accelerators.h"

#include <windows.h>

#include <vector>

namespace vorlix::platform {

AcceleratorHandle CreateAccelerators(std::span<const AcceleratorSpec> keys) {
  if (keys.empty()) return 0;
  std::vector<ACCEL> table;
  for (const auto& key : keys) {
    BYTE flags = FVIRTKEY | (key.ctrl ? FCONTROL : 0) | (key.shift ? FSHIFT : 0) | (key.alt ? FALT : 0);
    table.push_back(ACCEL{flags, key.key, static_cast<WORD>(key.command)});
  }
  return reinterpret_cast<AcceleratorHandle>(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

void DestroyAccelerators(AcceleratorHandle table) {
  if (table != 0) DestroyAcceleratorTable(reinterpret_cast<HACCEL>(table));
}

}  // namespace vorlix::platform
