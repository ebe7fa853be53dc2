#include "app/search/walk/folder_lister.h"

#include "platform/listing_identity.h"

namespace vorlix::app {
namespace {

class SystemLister final : public FolderLister {
 public:
  char separator() const override { return platform::kFolderSeparator; }
  NameEncoding encoding() const override {
#ifdef _WIN32
    return NameEncoding::kGbk;
#else
    return NameEncoding::kUtf8;
#endif
  }
  std::string Identity() const override { return platform::ThisProcessListingIdentity().text; }
  bool List(std::string_view folder, platform::FolderEntryVisitor& visitor) const override {
    return platform::ListFolder(folder, visitor);
  }
  std::optional<platform::FolderIdentity> Identify(std::string_view path) const override {
    return platform::IdentifyFolder(path);
  }
  std::optional<platform::FolderStamp> Stamp(std::string_view folder) const override {
    return platform::ReadFolderStamp(folder);
  }
  bool KeepsStamps(std::string_view folder) const override { return platform::VolumeKeepsStamps(folder); }
  bool IsLink(std::string_view path) const override { return platform::IsLink(path); }
  std::uint64_t Now() const override { return platform::StampClockNow(); }
  std::uint64_t TicksPerSecond() const override { return platform::StampTicksPerSecond(); }
};

}  // namespace

const FolderLister& SystemFolderLister() {
  static const SystemLister lister;
  return lister;
}

}  // namespace vorlix::app
