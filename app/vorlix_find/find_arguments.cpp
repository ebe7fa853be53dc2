#include "app/vorlix_find/find_arguments.h"

#include <algorithm>
#include <array>

namespace vorlix::app {
namespace {

constexpr std::array kOptions{
    FindOption{"", "--names", nullptr, "FILE", "the names to find, one a line in UTF-8; - reads standard input"},
    FindOption{"", "--fuzzy", &FindArguments::fuzzy, "", "a name matches every file whose name contains it"},
    FindOption{"", "--folders", &FindArguments::folders, "", "match folder names instead of file names"},
    FindOption{"", "--not-found", &FindArguments::not_found, "", "print the names that matched nothing instead"},
    FindOption{"", "--suggest", &FindArguments::suggest, "",
               "with --not-found (implied): after each name, a tab and up to three paths of files with a near name"},
    FindOption{"", "--counts", &FindArguments::counts, "",
               "print each name's count of different files, a tab and the name"},
    FindOption{"-0", "--print0", &FindArguments::print0, "",
               "end each path (or printed name) with a NUL, not a line end, for xargs -0"},
    FindOption{"", "--no-index", &FindArguments::no_index, "", "walk every folder and leave the folder index alone"},
    FindOption{"-h", "--help", &FindArguments::help, "", "print this help and exit"},
    FindOption{"", "--version", &FindArguments::version, "", "print the version and exit"},
};

const FindOption* OptionNamed(std::string_view argument) {
  const auto named = std::find_if(kOptions.begin(), kOptions.end(), [&](const FindOption& option) {
    return argument == option.long_name || (!option.short_name.empty() && argument == option.short_name);
  });
  return named == kOptions.end() ? nullptr : &*named;
}

constexpr std::string_view kNamesOption = "--names";

// --names FILE or --names=FILE; false with `error` set when it is wrong.
bool TakeNamesFile(std::span<const std::string> arguments, std::size_t& at, bool& names_given, FindArguments& parsed,
                   std::string& error) {
  const std::string& argument = arguments[at];
  if (names_given) {
    error = "--names is given more than once";
    return false;
  }
  if (argument == kNamesOption && at + 1 == arguments.size()) {
    error = "--names needs a FILE";
    return false;
  }
  parsed.names_file = argument == kNamesOption ? arguments[++at] : argument.substr(kNamesOption.size() + 1);
  if (parsed.names_file.empty()) {
    error = "--names needs a FILE";
    return false;
  }
  names_given = true;
  return true;
}

}  // namespace

std::span<const FindOption> FindOptions() { return kOptions; }

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
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == kNamesOption || argument.starts_with("--names=")) {
      if (!TakeNamesFile(arguments, at, names_given, parsed, error)) return std::nullopt;
    } else if (const FindOption* option = OptionNamed(argument); option != nullptr && option->flag != nullptr) {
      parsed.*(option->flag) = true;
    } else {
      error = "unknown option " + argument;
      return std::nullopt;
    }
  }
  if (parsed.suggest && (parsed.counts || parsed.folders)) {
    error = parsed.counts ? "--suggest and --counts exclude each other" : "--suggest looks at file names, not with --folders";
    return std::nullopt;
  }
  parsed.not_found = parsed.not_found || parsed.suggest;
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
