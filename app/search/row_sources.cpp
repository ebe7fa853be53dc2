#include "app/search/row_sources.h"

namespace vorlix::app {
namespace {

struct NameOnDisk {
  std::uint32_t root_tag;
  std::uint32_t at;  // in names_on_disk
  std::uint32_t size;
};

std::vector<core::Text> roots_of_shown_rows;
// Kept only for names that differ from their lowered form, in one block:
// a million rows of camera names cost a few tens of megabytes, not one
// allocation each.
std::string names_on_disk;
std::vector<NameOnDisk> kept_names;

const NameOnDisk* KeptName(std::int32_t tag) {
  if (tag >= 0) return nullptr;
  const std::size_t at = static_cast<std::size_t>(-(static_cast<std::int64_t>(tag) + 1));
  return at < kept_names.size() ? &kept_names[at] : nullptr;
}

}  // namespace

void SetRootsOfShownRows(const std::vector<core::Text>& roots) {
  roots_of_shown_rows = roots;
  names_on_disk.clear();
  names_on_disk.shrink_to_fit();
  kept_names.clear();
  kept_names.shrink_to_fit();
}

std::int32_t RowTagOfRoot(std::size_t root_index) { return static_cast<std::int32_t>(root_index + 1); }

std::int32_t RowTagOfFile(std::size_t root_index, std::string_view lowered_name, std::string_view name_on_disk) {
  const std::int32_t root_tag = RowTagOfRoot(root_index);
  if (lowered_name == name_on_disk) return root_tag;
  kept_names.push_back({static_cast<std::uint32_t>(root_tag), static_cast<std::uint32_t>(names_on_disk.size()),
                        static_cast<std::uint32_t>(name_on_disk.size())});
  names_on_disk.append(name_on_disk);
  return -static_cast<std::int32_t>(kept_names.size());
}

const core::Text* RootOfRowTag(std::int32_t tag) {
  if (const NameOnDisk* kept = KeptName(tag)) tag = static_cast<std::int32_t>(kept->root_tag);
  if (tag < 1 || static_cast<std::size_t>(tag) > roots_of_shown_rows.size()) return nullptr;
  return &roots_of_shown_rows[static_cast<std::size_t>(tag) - 1];
}

core::Text PathOnDiskOfRow(const core::Text& row_path, std::int32_t tag) {
  const NameOnDisk* kept = KeptName(tag);
  if (kept == nullptr || kept->size > row_path.size()) return row_path;
  return row_path.substr(0, row_path.size() - kept->size) + names_on_disk.substr(kept->at, kept->size);
}

}  // namespace vorlix::app
