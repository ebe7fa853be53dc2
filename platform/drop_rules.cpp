#include "platform/drop_rules.h"

#include <algorithm>

namespace vorlix::platform {

std::uint32_t ChooseDropEffect(bool acceptable, DropKeys keys, std::uint32_t allowed) {
  using namespace drop_effect;
  const auto allows = [allowed](std::uint32_t effect) { return (allowed & effect) != 0; };
  if (!acceptable || (keys.ctrl && keys.shift)) return kNone;
  if (keys.ctrl) return allows(kCopy) ? kCopy : kNone;
  if (keys.shift) return allows(kMove) ? kMove : kNone;
  for (std::uint32_t effect : {kCopy, kMove, kLink}) {
    if (allows(effect)) return effect;
  }
  return kNone;
}

std::string JoinDroppedPaths(const std::vector<std::string>& paths) {
  if (paths.size() == 1) return paths.front();
  std::string joined;
  for (const std::string& path : paths) joined += path + "\r\n";
  return joined;
}

std::u16string WithOrdinarySpaces(std::u16string_view html) {
  std::u16string text(html);
  std::replace(text.begin(), text.end(), u'\u00A0', u' ');
  return text;
}

}  // namespace vorlix::platform
