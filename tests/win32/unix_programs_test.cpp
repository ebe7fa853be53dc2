#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "tests/win32/temporary_folder.h"
#include "tests/win32/unix_links.h"

namespace vorlix::testing {
namespace {

// The numbers that name an open handle of this process now.
std::set<HANDLE> OpenHandles() {
  std::set<HANDLE> open;
  for (std::uintptr_t value = 4; value < 0x2000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) open.insert(reinterpret_cast<HANDLE>(value));
  }
  return open;
}

// Tests start Unix programs (sha256sum, ln, mount) through Wine, which hands
// a 32-bit caller a stale thread handle for them.
TEST(WineHarness, a_unix_program_run_by_the_tests_closes_none_of_their_handles) {
  TemporaryFolder folder;
  folder.Write("abc", "abc");
  HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const std::set<HANDLE> before = OpenHandles();

  EXPECT_EQ(UnixSha256(folder.Path("abc"), folder.Path("sum")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(UnixSha256(folder.Path("abc"), folder.Path("sum")).size(), 64u);

  const std::set<HANDLE> after = OpenHandles();
  for (HANDLE handle : before) EXPECT_TRUE(after.contains(handle)) << "handle " << handle << " was closed";
  ASSERT_TRUE(OpenClipboard(window)) << "error " << GetLastError();
  CloseClipboard();
  DestroyWindow(window);
}

}  // namespace
}  // namespace vorlix::testing
