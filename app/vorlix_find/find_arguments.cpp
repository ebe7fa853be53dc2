#include "app/vorlix_find/find_arguments.h"

#include <string_view>

namespace vorlix::app {
namespace {

constexpr std::string_view kNamesOption = "--names";

}  // namespace

std::optional<FindArguments> ParseFindArguments(std::span<const std::string> arguments, std::string& error) {
  FindArguments parsed;
  bool names_given = false;
  bool options_ended = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (options_ended || argument.empty() || argument[0] != '-' || argument == "-") {
      if (argument.empty()) {
        error = "an empty ROOT names no folder";
        return std::nullopt;
      }
      parsed.roots.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
    } else if (argument == "--fuzzy") {
      parsed.fuzzy = true;
    } else if (argument == "--folders") {
      parsed.folders = true;
    } else if (argument == "--not-found") {
      parsed.not_found = true;
    } else if (argument == "--no-index") {
      parsed.no_index = true;
    } else if (argument == "--counts") {
      parsed.counts = true;
    } else if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--version") {
      parsed.version = true;
    } else if (argument == kNamesOption || argument.starts_with("--names=")) {
      if (names_given) {
        error = "--names is given more than once";
        return std::nullopt;
      }
      if (argument == kNamesOption && at + 1 == arguments.size()) {
        error = "--names needs a FILE";
        return std::nullopt;
      }
      parsed.names_file = argument == kNamesOption ? arguments[++at] : argument.substr(kNamesOption.size() + 1);
      if (parsed.names_file.empty()) {
        error = "--names needs a FILE";
        return std::nullopt;
      }
      names_given = true;
    } else {
      error = "unknown option " + argument;
      return std::nullopt;
    }
  }
  if (parsed.not_found && parsed.counts) {
    error = "--not-found and --counts exclude each other";
    return std::nullopt;
  }
  if (!names_given && !parsed.help && !parsed.version) {
    error = "--names FILE is missing";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace vorlix::app
