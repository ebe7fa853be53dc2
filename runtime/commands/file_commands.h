#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include <span>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The caller's folder-listing variable: 0 when no listing is open.
using FindHandle = std::intptr_t;

// One byte-set argument, as given, without a copy.
using ByteSetView = std::span<const std::uint8_t>;

// The program's directory, without trailing backslash.
core::Text GetRunDirectory();

// With a pattern (a path whose last part may hold * and ?), starts a new
// listing in the handle variable, closing the one it held; with an empty
// pattern, goes on with the listing in the variable. Gives the bare name of
// the next entry that the filter lets pass ("." and ".." too), or an empty
// text when there is none more, and then closes the listing and sets the
// variable to 0. Without a filter every entry but folders passes.
core::Text FindFile(std::string_view pattern, std::optional<std::int32_t> filter, FindHandle& handle);

// Ends a listing early; the caller's variable stays as it is.
void FindFileClose(FindHandle handle);

// True when a find-first-file search on the path finds anything: wildcards
// match, and a folder counts when given without a trailing backslash.
bool FileExists(std::string_view path);

// The whole file; empty when the path is empty, the file cannot be opened
// or read (others may read it meanwhile, nobody may write), or it is empty.
core::ByteSet ReadFile(std::string_view path);

// Creates the file, or cuts an existing one to length 0, with nobody else
// let in, and writes the data back to back. False when the path is empty,
// the file cannot be opened, or a write or the close fails (what was
// written stays).
bool WriteFile(std::string_view path, std::initializer_list<ByteSetView> data = {});

// Gives the file the data as its whole content in one step: the data goes
// to a new file beside it, which then takes its place, so that a failure
// (a full disk, the program killed) leaves the old content whole and no
// file beside it. False when the path is empty or the file cannot be
// written or replaced.
bool ReplaceFileContent(std::string_view path, ByteSetView data);

}  // namespace vorlix::commands
