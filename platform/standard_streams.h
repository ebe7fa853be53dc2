#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::platform {

// The standard streams and arguments of a console program. Texts written
// are the program's own: GBK on Windows, where a console gets them as
// UTF-16 and a file or pipe as UTF-8, whatever the console's code page, so
// that every name arrives whole; bytes as they are elsewhere.

// False when the text could not be written whole.
bool WriteStandardOutput(std::string_view text);
void WriteStandardError(std::string_view text);
// Everything up to the end of the input, as bytes; nothing on a read
// error. On Windows a console's typed lines (ended by Ctrl+Z) come as UTF-8.
std::optional<std::string> ReadStandardInput();

// The program's arguments after its own name. Windows reads its wide
// command line, so that any name typed there arrives, as GBK.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace vorlix::platform
