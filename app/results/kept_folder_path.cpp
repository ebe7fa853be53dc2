#include "app/results/kept_folder_path.h"

#include "app/search/names/name_text.h"

namespace vorlix::app {
namespace {

constexpr char kSeparator = '\\';

std::string_view WithoutClosingSeparators(std::string_view path) {
  while (EndsWithSeparator(path, kSeparator, NameEncoding::kGbk)) path.remove_suffix(1);
  return path;
}

std::string_view WithoutLeadingSeparators(std::string_view path) {
  while (!path.empty() && path.front() == kSeparator) path.remove_prefix(1);
  return path;
}

bool IsLetter(char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }
char Capital(char letter) { return letter >= 'a' ? static_cast<char>(letter - 0x20) : letter; }

// C or C: (the closing backslash already gone).
bool IsDrive(std::string_view root) {
  return (root.size() == 1 || (root.size() == 2 && root[1] == ':')) && IsLetter(root[0]);
}

std::optional<core::Text> BelowDrive(std::string_view path, char letter) {
  if (path.size() < 2 || path[1] != ':' || Capital(path[0]) != Capital(letter)) return std::nullopt;
  const std::string_view rest = WithoutClosingSeparators(WithoutLeadingSeparators(path.substr(2)));
  core::Text below(1, Capital(letter));
  if (!rest.empty()) below.append(1, kSeparator).append(rest);
  return below;
}

std::optional<core::Text> BelowFolder(std::string_view path, std::string_view root) {
  if (!path.starts_with(root)) return std::nullopt;
  const std::string_view after = path.substr(root.size());
  if (!after.empty() && after.front() != kSeparator) return std::nullopt;
  const std::string_view rest = WithoutClosingSeparators(WithoutLeadingSeparators(after));
  if (!rest.empty()) return core::Text(rest);
  const std::string_view own_name = LastComponent(root, kSeparator, NameEncoding::kGbk);
  if (own_name.empty()) return std::nullopt;
  return core::Text(own_name);
}

}  // namespace

std::optional<core::Text> PathBelowRoot(std::string_view path, std::string_view root) {
  const std::string_view trimmed = WithoutClosingSeparators(root);
  if (trimmed.empty()) return std::nullopt;
  if (IsDrive(trimmed)) return BelowDrive(path, trimmed[0]);
  return BelowFolder(path, trimmed);
}

std::optional<core::Text> KeptFolderFor(std::string_view path, std::string_view root, std::string_view target) {
  const std::optional<core::Text> below = PathBelowRoot(path, root);
  if (!below) return std::nullopt;
  const std::string_view name = LastComponent(*below, kSeparator, NameEncoding::kGbk);
  const std::string_view folders = std::string_view(*below).substr(0, below->size() - name.size());
  core::Text folder(WithoutClosingSeparators(target));
  folder.append(1, kSeparator).append(folders);
  return folder;
}

}  // namespace vorlix::app
