#include "runtime/commands/file_facts_command.h"

#include "platform/file_facts.h"

namespace vorlix::commands {

std::optional<FileFacts> GetFileFacts(std::string_view path) {
  const std::optional<platform::FileFacts> facts = platform::FactsOfFile(path);
  if (!facts) return std::nullopt;
  const platform::LocalTime& at = facts->modified;
  return FileFacts{facts->is_folder, facts->size, {at.year, at.month, at.day, at.hour, at.minute, at.second}};
}

}  // namespace vorlix::commands
