#include "runtime/commands/settings_commands.h"

#include <cstdint>
#include <span>

#include "platform/whole_file.h"
#include "runtime/commands/settings_encoding.h"
#include "runtime/commands/settings_file.h"
#include "runtime/commands/settings_names.h"
#include "runtime/core/values/gbk_chars.h"

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

bool NamesGiven(std::string_view file, std::string_view section, std::string_view key) {
  return !SkipLeadingControls(file).empty() && !SkipLeadingControls(section).empty() &&
         !SkipLeadingControls(key).empty();
}

// The value as the file holds it, or none when the file cannot be read or
// the item is missing. Leading control bytes of the names are skipped; an
// empty name finds nothing.
std::optional<std::string> StoredValue(std::string_view file, std::string_view section, std::string_view key) {
  if (!NamesGiven(file, section, key)) return std::nullopt;
  platform::FileContent content =
      platform::ReadWholeFile(SkipLeadingControls(file), platform::ReadSharing::kEveryone);
  if (content.status != platform::FileContent::Status::kRead) return std::nullopt;
  return settings::FindValue(settings::DecodeFile(content.bytes).text, SkipLeadingControls(section),
                             SkipLeadingControls(key));
}

// Reads the file, lets `edit` change its text, and replaces the file in one
// step when the text changed. An edit giving none refuses the write.
template <class Edit>
bool EditFile(std::string_view file, Edit edit) {
  if (file.empty()) return false;
  platform::FileContent old = platform::ReadWholeFile(file, platform::ReadSharing::kEveryone);
  if (old.status == platform::FileContent::Status::kFailed) return false;
  settings::DecodedFile decoded = settings::DecodeFile(old.bytes);
  std::optional<std::string> new_text = edit(decoded.text);
  if (!new_text) return false;
  if (*new_text == decoded.text) return true;
  return platform::ReplaceWholeFile(file, AsBytes(settings::EncodeFile(*new_text, decoded.encoding)));
}

}  // namespace

core::Text ReadSettingsItem(std::string_view file, std::string_view section, std::string_view key,
                             std::optional<std::string_view> default_text) {
  if (!NamesGiven(file, section, key)) return {};
  std::optional<std::string> value = StoredValue(file, section, key);
  if (!value) value = std::string(WithoutTrailingSpaces(default_text.value_or("")));
  return CutToLimit(std::move(*value));
}

bool WriteSettingsItem(std::string_view file, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value) {
  return EditFile(file, [&](std::string_view text) { return Edited(text, section, key, value); });
}

std::optional<core::Text> ReadWholeSettingsItem(std::string_view file, std::string_view section,
                                                std::string_view key) {
  return StoredValue(file, section, key);
}

bool WriteSettingsItems(std::string_view file, std::string_view section, std::span<const SettingsItem> items) {
  return EditFile(file, [&](std::string_view text) {
    std::optional<std::string> edited(text);
    for (const SettingsItem& item : items) {
      if (edited) edited = Edited(*edited, section, item.key, item.value);
    }
    return edited;
  });
}

}  // namespace vorlix::commands
