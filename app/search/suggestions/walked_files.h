#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/index/folder_index.h"

namespace vorlix::app {

// The files a walk met, in the order it met them, kept while a search
// needs them: names back to back in blocks of a fixed size (a buffer that
// doubles would hold twice the names for a moment) with their sizes, each
// folder's path once for its run of files; a folder the index gave whole
// is kept as its entries, which are already in memory.
class WalkedFiles {
 public:
  void AddFile(std::string_view folder, std::string_view name_on_disk);
  void AddKeptFolder(std::string_view folder, const KeptEntries& kept);
  void Clear();

  // Calls visit(folder, name as on disk) for every file in order; false,
  // at once, when visit gives false.
  using Visit = std::function<bool(std::string_view folder, std::string_view name)>;
  bool ForEach(const Visit& visit) const;
  std::size_t size() const { return files_; }

 private:
  static constexpr std::uint32_t kListed = UINT32_MAX;
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
  struct Run {
    std::size_t folder_at;
    std::size_t folder_size;
    std::size_t first_name;  // in name_sizes_
    std::size_t block;       // where its names begin in blocks_
    std::size_t names_at;
    std::size_t end_name;
    std::uint32_t kept;      // in kept_, or kListed for names of its own
  };
  void StartRun(std::string_view folder, std::uint32_t kept);

  std::string folders_;
  std::vector<std::string> blocks_;
  std::vector<std::uint16_t> name_sizes_;
  std::vector<Run> runs_;
  std::vector<KeptEntries> kept_;
  std::size_t files_ = 0;
};

}  // namespace vorlix::app
