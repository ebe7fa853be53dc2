#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::app {

struct FindArguments {
  bool fuzzy = false;
  bool folders = false;
  bool not_found = false;
  bool counts = false;
  bool suggest = false;  // implies not_found
  bool no_index = false;
  bool print0 = false;
  bool help = false;
  bool version = false;
  std::string names_file;  // "-" is standard input
  std::vector<std::string> roots;
};

// One option as --help shows it and the parser takes it: a switch sets
// its flag; the one without a flag takes a value (--names FILE).
struct FindOption {
  std::string_view short_name;  // empty when it has none
  std::string_view long_name;
  bool FindArguments::*flag;
  std::string_view value;  // the value's name in --help, for the option that takes one
  std::string_view help;
};
std::span<const FindOption> FindOptions();

constexpr std::string_view kFindUsage =
    "usage: vorlix-find [--fuzzy] [--folders] [--not-found [--suggest] | --counts] [-0] [--no-index] --names FILE "
    "[ROOT...]";

// The arguments after the program's name, or the one-line reason they are
// wrong in `error`. "--" ends the options; "--names=FILE" is also taken.
std::optional<FindArguments> ParseFindArguments(std::span<const std::string> arguments, std::string& error);

}  // namespace vorlix::app
