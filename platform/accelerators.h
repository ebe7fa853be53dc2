#pragma once

#include <cstdint>
#include <span>

namespace vorlix::platform {

using AcceleratorHandle = std::uintptr_t;

// A key combination that sends a menu command. Keys are virtual-key codes.
struct AcceleratorSpec {
  unsigned command = 0;
  std::uint16_t key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// 0 for an empty table.
AcceleratorHandle CreateAccelerators(std::span<const AcceleratorSpec> keys);
void DestroyAccelerators(AcceleratorHandle table);

}  // namespace vorlix::platform
