#include "app/results/placed_items.h"

#include "app/search/names/name_text.h"

namespace vorlix::app {
namespace {

// One spelling per path: ASCII capitals made small where they stand alone,
// every separator as "/", no closing one. A GBK trail byte can be "\\" but
// never "/", so the folded form can be cut at its separators byte by byte.
std::string Folded(std::string_view path) {
  LoweredName lowered;
  lowered.Assign(path, NameEncoding::kGbk);
  std::string folded(lowered.text());
  for (std::size_t at = 0; at < folded.size(); ++at) {
    if (folded[at] == '\\' && lowered.StartsCharacter(at)) folded[at] = '/';
  }
  while (!folded.empty() && folded.back() == '/') folded.pop_back();
  return folded;
}

bool IsInside(std::string_view inner, std::string_view outer) {
  return inner.size() > outer.size() && inner.starts_with(outer) && inner[outer.size()] == '/';
}

}  // namespace

void PlacedItems::Add(const core::Text& source, const core::Text& landed_at) {
  const std::string landed = Folded(landed_at);
  placed_.insert(landed);
  delivered_[source] = landed_at;
}

bool PlacedItems::Meets(std::string_view destination) const {
  const std::string item = Folded(destination);
  if (placed_.contains(item)) return true;
  // One inside it: the first placed path from "item/" on ("item (2)" sorts
  // before it).
  const auto inside = placed_.lower_bound(item + '/');
  if (inside != placed_.end() && IsInside(*inside, item)) return true;
  // A placed folder that holds it: one of its own folders.
  for (std::size_t end = item.rfind('/'); end != std::string::npos && end > 0; end = item.rfind('/', end - 1)) {
    if (placed_.contains(item.substr(0, end))) return true;
  }
  return false;
}

std::optional<core::Text> PlacedItems::LandedFrom(std::string_view source, std::string_view folder) const {
  const auto found = delivered_.find(source);
  if (found == delivered_.end()) return std::nullopt;
  const std::string landed = Folded(found->second);
  const std::size_t name_at = landed.rfind('/');
  if (name_at == std::string::npos || landed.substr(0, name_at) != Folded(folder)) return std::nullopt;
  return found->second;
}

}  // namespace vorlix::app
