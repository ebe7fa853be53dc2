// File names that GBK cannot hold all survive the trip through the system's
// GBK texts: created, listed and opened again by their converted names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gbk_codec.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

std::u16string AsUtf16(const std::wstring& wide) { return std::u16string(wide.begin(), wide.end()); }
std::wstring AsWide(const std::u16string& utf16) { return std::wstring(utf16.begin(), utf16.end()); }

// Names as the W functions see them: Chinese; Latin letters that GBK has
// (é ü) and lacks (ñ ç); the euro sign, cp936's single byte 0x80; Korean,
// outside GBK in the basic plane; and an emoji, a surrogate pair.
const std::vector<std::u16string> kNames = {
    u"\u4E2D\u6587\u6587\u4EF6\u540D.txt",
    u"caf\u00E9 \u00FC.txt",
    u"ma\u00F1ana \u00E7a.txt",
    u"price \u20AC 5",
    u"\uD55C\uAE00",
    u"smile \U0001F600.txt",
    u"\u4E2D \U0001F600 \u00F1 \u20AC",
};

class FileNames : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = std::wstring(temp) + L"vorlix-file-names-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64());
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr)) << "cannot make the test folder";
  }

  void TearDown() override {
    for (const std::wstring& name : List()) DeleteFileW((folder_ + L"\\" + name).c_str());
    EXPECT_TRUE(RemoveDirectoryW(folder_.c_str())) << "test folder left behind";
  }

  std::vector<std::wstring> List() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  // Creates a file by its GBK name and writes that name into it.
  bool CreateByGbkName(const std::string& gbk) const {
    HANDLE file = CreateFileW(Wide(GbkPath(gbk)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, gbk.data(), DWORD(gbk.size()), &written, nullptr) && written == gbk.size();
    CloseHandle(file);
    return ok;
  }

  std::string ReadByGbkName(const std::string& gbk) const {
    HANDLE file = CreateFileW(Wide(GbkPath(gbk)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(cannot open)";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
  }

  std::string GbkPath(const std::string& gbk_name) const { return Narrow(folder_) + "\\" + gbk_name; }

  std::wstring folder_;
};

TEST_F(FileNames, names_outside_gbk_are_created_listed_and_opened_by_their_gbk_form) {
  std::vector<std::string> gbk_names;
  for (const std::u16string& name : kNames) {
    gbk_names.push_back(Utf16ToGbk(name));
    ASSERT_TRUE(CreateByGbkName(gbk_names.back())) << "cannot create " << Narrow(AsWide(name));
  }

  std::vector<std::wstring> expected;
  for (const std::u16string& name : kNames) expected.push_back(AsWide(name));
  std::sort(expected.begin(), expected.end());
  std::vector<std::wstring> listed = List();
  EXPECT_TRUE(listed == expected) << "the folder does not hold exactly the names created";

  std::vector<std::string> listed_gbk;
  for (const std::wstring& name : listed) {
    std::string gbk = Narrow(name);
    EXPECT_TRUE(GbkToUtf16(gbk) == AsUtf16(name)) << "listed name does not come back: " << gbk;
    EXPECT_EQ(ReadByGbkName(gbk), gbk) << "cannot open the listed file by its GBK name";
    listed_gbk.push_back(gbk);
  }
  std::sort(listed_gbk.begin(), listed_gbk.end());
  std::sort(gbk_names.begin(), gbk_names.end());
  EXPECT_EQ(listed_gbk, gbk_names);
}

TEST_F(FileNames, characters_outside_gbk_travel_as_four_byte_sequences_not_question_marks) {
  std::string gbk = Utf16ToGbk(u"\uD55C \U0001F600");
  EXPECT_EQ(gbk.find('?'), std::string::npos);
  EXPECT_EQ(gbk.size(), 4u + 1 + 4u);
  ASSERT_TRUE(CreateByGbkName(gbk));
  ASSERT_EQ(List().size(), 1u);
  EXPECT_TRUE(List()[0] == L"\uD55C \U0001F600");
}

TEST(WineHarness, ansi_code_page_is_936) { EXPECT_EQ(GetACP(), 936u); }

}  // namespace
}  // namespace vorlix::platform
