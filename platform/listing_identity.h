#pragma once

#include <string>

namespace vorlix::platform {

// Who this process lists folders as: everything of the process that
// decides which folders it may list. A folder index made under another
// identity may hold folders this one may not list, and is not used.
struct ListingIdentity {
  // On Linux the effective user and group and every group, sorted; on
  // Windows the user's SID, whether the token is elevated, and the SIDs of
  // its groups (enabled or deny-only) but not the logon session's, which
  // changes at every logon.
  std::string text;
  // An elevated administrator's token on Windows; never on Linux, where a
  // privileged user has a home, and so a cache, of its own.
  bool elevated = false;
};

// Read once, at the first call.
const ListingIdentity& ThisProcessListingIdentity();

}  // namespace vorlix::platform
