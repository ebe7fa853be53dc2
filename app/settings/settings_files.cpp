#include "app/settings/settings_files.h"

#include "runtime/commands/conversion_commands.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/settings_commands.h"

namespace vorlix::app::settings {
namespace {

core::Text InProgramFolder(std::string_view name) {
  return commands::GetRunDirectory() + "\\" + std::string(name);
}

}  // namespace

core::Text OptionsFile() { return InProgramFolder("config.ini"); }
core::Text SavedFoldersFile() { return InProgramFolder("gxbx.ini"); }
core::Text SavedNamesFile() { return InProgramFolder("filemame.txt"); }

core::Text ReadOption(std::string_view key) { return commands::ReadSettingsItem(OptionsFile(), kOptionsSection, key); }

void WriteOption(std::string_view key, bool on) {
  commands::WriteSettingsItem(OptionsFile(), kOptionsSection, key, commands::ToText(core::Value(on)));
}

}  // namespace vorlix::app::settings
