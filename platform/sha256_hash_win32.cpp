#include "platform/sha256_hash_win32.h"

namespace vorlix::platform {
namespace {

BCRYPT_ALG_HANDLE OpenProvider() {
  BCRYPT_ALG_HANDLE provider = nullptr;
  return BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0 ? provider : nullptr;
}

}  // namespace

Sha256Hash::Sha256Hash() {
  static const BCRYPT_ALG_HANDLE provider = OpenProvider();
  DWORD object_size = 0;
  ULONG written = 0;
  if (provider == nullptr || BCryptGetProperty(provider, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&object_size),
                                               sizeof object_size, &written, 0) != 0) {
    return;
  }
  object_.resize(object_size);
  if (BCryptCreateHash(provider, &hash_, object_.data(), object_size, nullptr, 0, 0) != 0) hash_ = nullptr;
}

Sha256Hash::~Sha256Hash() {
  if (hash_ != nullptr) BCryptDestroyHash(hash_);
}

bool Sha256Hash::Add(const std::uint8_t* bytes, DWORD count) {
  return hash_ != nullptr && BCryptHashData(hash_, const_cast<PUCHAR>(bytes), count, 0) == 0;
}

std::optional<Sha256> Sha256Hash::Finish() {
  Sha256 digest;
  if (hash_ == nullptr || BCryptFinishHash(hash_, digest.data(), digest.size(), 0) != 0) return std::nullopt;
  return digest;
}

}  // namespace vorlix::platform
