#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/listing_identity.h"

namespace vorlix::platform {
namespace {

// The kernel checks a listing against the effective ids and every
// supplementary group; getgroups may or may not include the effective
// group, so the list is sorted and each group named once.
ListingIdentity Read() {
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
  const int count = getgroups(static_cast<int>(groups.size()), groups.data());
  groups.resize(static_cast<std::size_t>(std::max(count, 0)));
  std::sort(groups.begin(), groups.end());
  groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
  std::string text = "uid " + std::to_string(geteuid()) + " gid " + std::to_string(getegid()) + " groups";
  for (const gid_t group : groups) text += " " + std::to_string(group);
  return {text, false};
}

}  // namespace

const ListingIdentity& ThisProcessListingIdentity() {
  static const ListingIdentity identity = Read();
  return identity;
}

}  // namespace vorlix::platform
