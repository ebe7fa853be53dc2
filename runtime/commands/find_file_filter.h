#pragma once

#include <cstdint>
#include <optional>

namespace vorlix::commands {

// Whether FindFile hands out an entry with these attributes. Without a
// filter: every entry that is not a folder. With one, the mask is the
// filter's read-only, hidden, system, directory and archive bits: an entry
// passes when it has one of the mask's bits, or, for a mask of 0, when its
// attribute word is exactly 0.
bool FindFilePasses(std::uint32_t attributes, std::optional<std::int32_t> filter);

}  // namespace vorlix::commands
