#pragma once

#include <string>

namespace vorlix::testing {

// A Unix symbolic link, as a Wine user's folders hold them, from `link` to
// the folder `target` (both Windows paths in GBK), gone with the object.
// Wine 8's CreateSymbolicLinkW reports success and makes nothing, so the
// link is made and removed by the Unix ln and rm, which a Wine process
// starts like any program. Made() is false when it could not be made.
class UnixLink {
 public:
  UnixLink(const std::string& link, const std::string& target);
  ~UnixLink();
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;

  bool Made() const { return made_; }

 private:
  std::string link_;
  bool made_ = false;
};

}  // namespace vorlix::testing
