#pragma once

#include <string_view>

namespace vorlix::platform {

// Whether the path names a whole drive or share rather than something on
// it: a drive ("D:", which Windows reads as the current folder of drive D:),
// a drive root ("D:\"), the root of the current drive ("\"), a server or a
// share root ("\\server", "\\server\share"), or their device forms
// ("\\?\D:\", "\\.\D:", "\\?\UNC\server\share", "\\?\Volume{...}\").
// Either separator counts, doubled ones are one, trailing ones are ignored.
// An empty path is one too: the shell would take it for the current folder.
bool IsWholeDrivePath(std::u16string_view path);

}  // namespace vorlix::platform
