#pragma once

// Paths and whether each names a whole drive or share once the system has
// resolved it; the Windows tests hold the same table against the system's
// own resolution.
#include <string_view>

namespace vorlix::test {

struct WholeDriveCase {
  std::u16string_view path;
  bool whole;
};

inline constexpr WholeDriveCase kWholeDriveCases[] = {
    // Drives, roots and shares as written.
    {u"D:", true}, {u"d:", true}, {u"D:\\", true}, {u"D:/", true}, {u"D:\\\\", true}, {u"", true}, {u"\\", true},
    {u"/", true}, {u"\\\\server", true}, {u"\\\\server\\share", true}, {u"\\\\server\\share\\", true},
    {u"//server/share/", true}, {u"\\\\server\\\\share", true}, {u"\\\\照片服务器\\共享", true},
    {u"\\\\?\\D:\\", true}, {u"\\\\.\\D:", true}, {u"\\\\?\\UNC\\server\\share\\", true},
    {u"\\\\?\\unc\\server", true}, {u"\\\\?\\Volume{1b3b1146-4076-11e1-84aa-806e6f6e6963}\\", true},
    {u"\\\\?\\", true}, {u"1:", true},
    // Dots resolved and the last component trimmed.
    {u"D:.", true}, {u"D:..", true}, {u"D: ", true}, {u"D:x\\..", true}, {u"D:\\.", true}, {u"D:\\..", true},
    {u"C:\\x\\..", true}, {u"D:\\ ", true}, {u"D:\\...", true}, {u"D:\\. .", true}, {u"D:\\x\\..\\..\\..", true},
    {u"D:/x/../", true}, {u"D:\\.x\\..\\", true}, {u"D:\\ \\..", true}, {u"D:\\x.\\..", true},
    {u"\\\\srv\\share\\.", true}, {u"\\\\srv\\share\\..", true}, {u"\\\\srv\\share\\x\\..", true},
    {u"\\\\srv\\share\\ ", true}, {u"\\\\srv\\..", true}, {u"\\\\.\\D:\\.", true}, {u"\\\\.\\D:\\ ", true},
    {u"\\\\.\\D:\\x\\..", true}, {u"//?/D:/ ", true}, {u".", true}, {u"..", true}, {u"x\\..", true}, {u" ", true},
    {u"...", true}, {u"..\\..", true}, {u"\\.", true}, {u"\\..", true}, {u"\\x\\..", true}, {u"\\ ", true},
    // "\\?\" paths resolve their dots but keep the names as written.
    {u"\\\\?\\D:\\.", true}, {u"\\\\?\\D:\\..", true}, {u"\\\\?\\D:\\x\\..", true},
    {u"\\\\?\\UNC\\srv\\share\\.", true},
    // Something on a drive or share.
    {u"D:\\d", false}, {u"D:\\photos\\", false}, {u"D:d", false}, {u"C:\\Users\\me\\照片", false},
    {u"\\Windows", false}, {u"relative\\x.txt", false}, {u"D", false}, {u"DD:", false},
    {u"\\\\server\\share\\folder", false}, {u"//server/share/a.txt", false}, {u"\\\\?\\D:\\x", false},
    {u"\\\\.\\D:\\x", false}, {u"\\\\?\\UNC\\server\\share\\x", false}, {u"\\\\?\\Volume{1b3b1146}\\x", false},
    // Near misses: a name is left once resolved.
    {u"D:\\x", false}, {u"D:\\..x", false}, {u"D:\\x.", false}, {u"D:\\x. ", false}, {u"D:\\x\\...", false},
    {u"D:\\x\\.. ", false}, {u"D:\\x\\. .", false}, {u"D:\\ \\", false}, {u"D:\\ .\\", false},
    {u"D:\\...\\", false}, {u"D:\\x\\ \\..", false}, {u"D:\\x\\.. \\", false}, {u"D:..\\x", false},
    {u"..\\x", false}, {u"\\\\srv\\share\\..\\..\\x", false}, {u"\\\\srv\\..\\x", false}, {u"\\\\srv\\.\\x", false},
    {u"\\\\.\\D:\\x.", false}, {u"\\\\?\\D:\\ ", false}, {u"\\\\?\\D:\\x.", false},
};

}  // namespace vorlix::test
