#include <unistd.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/listing_identity.h"

namespace vorlix::platform {
namespace {

// getgroups may or may not include the effective group: sorted, each once.
std::optional<std::vector<gid_t>> Groups() {
  const int size = getgroups(0, nullptr);
  if (size < 0) return std::nullopt;
  std::vector<gid_t> groups(static_cast<std::size_t>(size));
  if (getgroups(size, groups.data()) != size) return std::nullopt;
  std::sort(groups.begin(), groups.end());
  groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
  return groups;
}

// The kernel checks a listing against the effective ids and every
// supplementary group. Groups that cannot be read give an identity of this
// process alone, so that no index is shared on a guess.
ListingIdentity Read() {
  std::string text = "uid " + std::to_string(geteuid()) + " gid " + std::to_string(getegid()) + " groups";
  const std::optional<std::vector<gid_t>> groups = Groups();
  if (!groups) return {text + " unknown, process " + std::to_string(getpid()), false};
  for (const gid_t group : *groups) text += " " + std::to_string(group);
  return {text, false};
}

}  // namespace

const ListingIdentity& ThisProcessListingIdentity() {
  static const ListingIdentity identity = Read();
  return identity;
}

}  // namespace vorlix::platform
