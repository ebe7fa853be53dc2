#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorlix::app {

// vorlix-find [--fuzzy] [--folders] [--not-found | --counts] [--no-index] --names FILE ROOT...
struct FindArguments {
  bool fuzzy = false;
  bool folders = false;
  bool not_found = false;
  bool counts = false;
  bool no_index = false;
  bool help = false;
  bool version = false;
  std::string names_file;  // "-" is standard input
  std::vector<std::string> roots;
};

constexpr const char* kFindUsage =
    "usage: vorlix-find [--fuzzy] [--folders] [--not-found | --counts] [--no-index] --names FILE [ROOT...]";

// The arguments after the program's name, or the one-line reason they are
// wrong in `error`. "--" ends the options; "--names=FILE" is also taken.
std::optional<FindArguments> ParseFindArguments(std::span<const std::string> arguments, std::string& error);

}  // namespace vorlix::app
