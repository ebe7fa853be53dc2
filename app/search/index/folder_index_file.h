#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/search/index/folder_index.h"
#include "app/search/walk/folder_lister.h"
#include "app/search/names/name_text.h"

namespace vorlix::app {

// Which program's index a file holds, and who listed its folders: the
// window's and vorlix-find's names differ in their separator and encoding,
// and must never be mixed, and an index is used only by the identity that
// made it (see FolderLister::Identity).
struct FolderIndexFormat {
  char separator;
  NameEncoding encoding;
  std::uint64_t lister = 0;  // IdentityDigest of who listed
};

// What the file records of an identity: 64 bits of its text.
std::uint64_t IdentityDigest(std::string_view identity);
// The format of an index of `lister`'s listings.
FolderIndexFormat FolderIndexFormatOf(const FolderLister& lister);

// The index file: a mark of its format, version and lister, a header that
// gives the size of the records and their checksum, then the records.
std::string EncodeFolderIndex(const FolderIndex& index, const FolderIndexFormat& format);

// The index held in `bytes`, whose records point into them (`owner` keeps
// them). Nothing when the bytes are not a whole index of this format and
// version: damaged, cut short, of another program or identity, or with
// any record out of shape. A record's packed entries are checked when it
// is used (see IndexedListing), so that a large index opens quickly.
std::optional<FolderIndex> DecodeFolderIndex(std::string_view bytes, std::shared_ptr<const void> owner,
                                             const FolderIndexFormat& format);

// What a record costs in the file, for keeping the file within its cap.
std::size_t EncodedSize(std::string_view folder, const FolderRecord& record);

// The index kept in the file at `path`; an empty one when the file is
// missing or not a whole index of this format (so one another identity
// made is written anew).
std::shared_ptr<const FolderIndex> LoadFolderIndex(std::string_view path, const FolderIndexFormat& format);
// Replaces the file in one step; false when it could not be written.
bool SaveFolderIndex(std::string_view path, const FolderIndex& index, const FolderIndexFormat& format);

// The checksum of the records: 64 bits, from sums of 8-byte words and of
// those sums (see the definition).
std::uint64_t FolderIndexChecksum(std::string_view bytes);

}  // namespace vorlix::app
