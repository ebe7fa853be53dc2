#pragma once

#include <string_view>

namespace vorlix::platform {

// Whether the path names a whole drive or share rather than something on
// it, as the system resolves it: a drive ("D:", which Windows reads as the
// current folder of drive D:), a drive root ("D:\"), the root of the current
// drive ("\"), a server or a share root ("\\server", "\\server\share"), or
// their device forms ("\\?\D:\", "\\.\D:", "\\?\UNC\server\share",
// "\\?\Volume{...}\"). Either separator counts, doubled ones are one; "."
// and ".." are resolved ("C:\x\..", "\\server\share\."), and the last
// component loses its trailing dots and spaces ("D:\ ", "D:\...") unless
// the path begins "\\?\", which the system opens as written. A relative
// path that resolves to the current folder or above ("", ".", "D:..") is
// one too: the shell would take the current folder, which may be a root.
// Decided from the text alone, without asking the system.
bool IsWholeDrivePath(std::u16string_view path);

}  // namespace vorlix::platform
