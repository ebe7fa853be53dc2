#pragma once

// Unix links in a test's folder under Wine. Wine 8's CreateSymbolicLinkW
// reports success and makes nothing, so the test runs the system's own ln
// on the Unix paths; a tree holding links is removed with rm, which never
// follows one (a remove through Win32 would reach what they point to).
#include <string>

namespace vorlix::testing {

// The Unix path of a Windows path (GBK); empty outside Wine.
std::string UnixPath(const std::string& windows_path);

// Makes a symbolic link at `link` (a Windows path, GBK) to `unix_target`,
// a Unix path or one relative to the link's folder. False when it did not
// appear.
bool MakeUnixLink(const std::string& unix_target, const std::string& link);

// Renames an item with Unix's own rename, which keeps the name's case
// exactly, even where Win32 would find another name of another case.
bool RenameUnix(const std::string& from, const std::string& to);

// Removes the folder and everything in it without following any link.
bool RemoveUnixTree(const std::string& folder);

// The SHA-256 of the file as Unix's sha256sum prints it, written through
// `scratch` (a file the test may use); empty when it could not be had.
std::string UnixSha256(const std::string& file, const std::string& scratch);

// Mounts a memory volume of `kilobytes` on the empty folder, so that a test
// can fill a volume; false where this process may not mount (not root).
bool MountSmallVolume(const std::string& folder, int kilobytes);
bool UnmountVolume(const std::string& folder);

}  // namespace vorlix::testing
