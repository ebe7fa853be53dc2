#include "runtime/commands/file_facts_command.h"

#include "platform/file_facts.h"

namespace vorlix::commands {
namespace {

std::optional<FileFacts> FactsOf(std::string_view path, platform::ModifiedTime time) {
  const std::optional<platform::FileFacts> facts = platform::FactsOfFile(path, time);
  if (!facts) return std::nullopt;
  const platform::LocalTime& at = facts->modified;
  return FileFacts{facts->is_folder, facts->size, {at.year, at.month, at.day, at.hour, at.minute, at.second}};
}

}  // namespace

std::optional<FileFacts> GetFileFacts(std::string_view path) { return FactsOf(path, platform::ModifiedTime::kRead); }

std::optional<FileFacts> GetFileFactsWithoutTime(std::string_view path) {
  return FactsOf(path, platform::ModifiedTime::kLeftOut);
}

}  // namespace vorlix::commands
