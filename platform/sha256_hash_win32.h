#pragma once

#include <windows.h>
#include <bcrypt.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/copy_check.h"

namespace vorlix::platform {

// SHA-256 through CNG. The hash object's memory is the caller's, as Vista
// requires; the provider is opened once per process.
class Sha256Hash {
 public:
  Sha256Hash();
  ~Sha256Hash();
  Sha256Hash(const Sha256Hash&) = delete;
  Sha256Hash& operator=(const Sha256Hash&) = delete;

  bool Add(const std::uint8_t* bytes, DWORD count);
  std::optional<Sha256> Finish();

 private:
  std::vector<UCHAR> object_;
  BCRYPT_HASH_HANDLE hash_ = nullptr;
};

}  // namespace vorlix::platform
