#include "runtime/commands/settings_commands.h"

#include <cstdint>
#include <span>

#include "platform/whole_file.h"
#include "runtime/commands/settings_encoding.h"
#include "runtime/commands/settings_file.h"
#include "runtime/commands/settings_names.h"
#include "runtime/core/gbk_chars.h"

namespace vorlix::commands {
namespace {

std::string_view SkipLeadingControls(std::string_view text) {
  while (!text.empty() && static_cast<std::uint8_t>(text.front()) <= 0x20) text.remove_prefix(1);
  return text;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string CutToLimit(std::string text) {
  std::size_t kept = 0;
  while (kept < text.size()) {
    std::size_t next = kept + core::GbkCharLengthAt(text, kept);
    if (next > kSettingsValueLimit) break;
    kept = next;
  }
  text.resize(kept);
  return text;
}

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::optional<std::string> Edited(std::string_view content, std::string_view section,
                                  std::optional<std::string_view> key, std::optional<std::string_view> value) {
  if (settings::TrimBlanks(section).empty()) return std::nullopt;
  if (!key) return settings::RemoveSection(content, section);
  if (settings::TrimBlanks(*key).empty()) return std::nullopt;
  if (!value) return settings::RemoveKey(content, section, *key);
  return settings::SetValue(content, section, *key, *value);
}

}  // namespace

core::Text ReadSettingsItem(std::string_view file, std::string_view section, std::string_view key,
                             std::optional<std::string_view> default_text) {
  file = SkipLeadingControls(file);
  section = SkipLeadingControls(section);
  key = SkipLeadingControls(key);
  if (file.empty() || section.empty() || key.empty()) return {};
  platform::FileContent content = platform::ReadWholeFile(file, platform::ReadSharing::kEveryone);
  std::optional<std::string> value;
  if (content.status == platform::FileContent::Status::kRead) {
    value = settings::FindValue(settings::DecodeFile(content.bytes).text, section, key);
  }
  if (!value) value = std::string(WithoutTrailingSpaces(default_text.value_or("")));
  return CutToLimit(std::move(*value));
}

bool WriteSettingsItem(std::string_view file, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value) {
  if (file.empty()) return false;
  platform::FileContent old = platform::ReadWholeFile(file, platform::ReadSharing::kEveryone);
  if (old.status == platform::FileContent::Status::kFailed) return false;
  settings::DecodedFile decoded = settings::DecodeFile(old.bytes);
  std::optional<std::string> new_text = Edited(decoded.text, section, key, value);
  if (!new_text) return false;
  if (*new_text == decoded.text) return true;
  return platform::ReplaceWholeFile(file, AsBytes(settings::EncodeFile(*new_text, decoded.encoding)));
}

}  // namespace vorlix::commands
