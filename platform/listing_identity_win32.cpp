#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/listing_identity.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

class TokenOwner {
 public:
  TokenOwner() {
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token_)) token_ = nullptr;
  }
  ~TokenOwner() {
    if (token_ != nullptr) CloseHandle(token_);
  }
  TokenOwner(const TokenOwner&) = delete;
  TokenOwner& operator=(const TokenOwner&) = delete;
  HANDLE get() const { return token_; }

 private:
  HANDLE token_ = nullptr;
};

// A token information class of variable size, in a buffer aligned for it.
std::optional<std::vector<std::uint64_t>> Information(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  GetTokenInformation(token, kind, nullptr, 0, &size);
  if (size == 0) return std::nullopt;
  std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
  if (!GetTokenInformation(token, kind, buffer.data(), size, &size)) return std::nullopt;
  return buffer;
}

std::optional<std::string> SidText(PSID sid) {
  LPWSTR text = nullptr;
  if (!ConvertSidToStringSidW(sid, &text)) return std::nullopt;
  const std::string narrow = Narrow(text);
  LocalFree(text);
  return narrow;
}

// The groups that take part in access checks: enabled ones grant, deny-only
// ones only deny.
std::optional<std::vector<std::string>> GroupTexts(const TOKEN_GROUPS& groups) {
  std::vector<std::string> texts;
  for (DWORD at = 0; at < groups.GroupCount; ++at) {
    const DWORD attributes = groups.Groups[at].Attributes;
    if ((attributes & SE_GROUP_LOGON_ID) == SE_GROUP_LOGON_ID) continue;
    const bool denies_only = (attributes & SE_GROUP_USE_FOR_DENY_ONLY) != 0;
    if (!denies_only && (attributes & SE_GROUP_ENABLED) == 0) continue;
    const std::optional<std::string> sid = SidText(groups.Groups[at].Sid);
    if (!sid) return std::nullopt;
    texts.push_back(*sid + (denies_only ? " deny-only" : ""));
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

std::optional<ListingIdentity> Read() {
  const TokenOwner token;
  if (token.get() == nullptr) return std::nullopt;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  if (!GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size)) return std::nullopt;
  const auto user = Information(token.get(), TokenUser);
  const auto groups = Information(token.get(), TokenGroups);
  if (!user || !groups) return std::nullopt;
  const std::optional<std::string> user_sid = SidText(reinterpret_cast<const TOKEN_USER*>(user->data())->User.Sid);
  const auto group_texts = GroupTexts(*reinterpret_cast<const TOKEN_GROUPS*>(groups->data()));
  if (!user_sid || !group_texts) return std::nullopt;
  const bool elevated = elevation.TokenIsElevated != 0;
  std::string text = *user_sid + (elevated ? " elevated" : "") + " groups";
  for (const std::string& group : *group_texts) text += ", " + group;
  return ListingIdentity{text, elevated};
}

}  // namespace

// A token that cannot be read gives an identity of this process alone, so
// that no index is shared on a guess.
const ListingIdentity& ThisProcessListingIdentity() {
  static const ListingIdentity identity =
      Read().value_or(ListingIdentity{"unknown, process " + std::to_string(GetCurrentProcessId()), false});
  return identity;
}

}  // namespace vorlix::platform
