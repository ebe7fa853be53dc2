// Names that found nothing, on the built main window over a real tree: the
// nearest files in the last column of the counts file and their number in
// the status line, while the not-found report stays as it always was.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/search/not_found_report.h"
#include "platform/wide_text.h"
#include "tests/win32/delivery_room.h"

namespace vorlix::test {
namespace {

namespace menu = app::main_window::menu;

class Suggestions : public DeliveryRoom {
 protected:
  void ReplaceMoreHandlers() override {
    DeliveryRoom::ReplaceMoreHandlers();
    Replace("WriteNotFoundReport", app::Guarded<app::WriteNotFoundReport>);
  }

  std::string NotFoundReport() {
    const std::string path = commands::GetRunDirectory() + "\\" + std::string(texts::kNotFoundReportName);
    DeleteFileW(platform::Wide(path).c_str());
    Click(u"按钮_未搜索到文件");
    return FileBeside(texts::kNotFoundReportName);
  }

  // A line of the counts file for a name that found nothing.
  static Record NothingFound(const std::string& name, const std::vector<std::string>& suggestions) {
    Record line{name, "0"};
    if (suggestions.empty()) return line;
    line.resize(12);
    line.insert(line.end(), suggestions.begin(), suggestions.end());
    return line;
  }
};

// A swap, a lost "_", a Chinese character too many (one edit, not two) and
// a name near nothing; the names box keeps them as typed.
TEST_F(Suggestions, names_with_typing_slips_get_the_nearest_files_in_the_counts_and_the_status_line) {
  const std::string meeting = "\xbb\xe1\xd2\xe9";  // 会议
  const std::string record = "\xbc\xcd";          // 纪
  Make({{"photos\\IMG_1243.JPG", ""}, {"photos\\DSC_1234.JPG", ""}, {"docs\\report.doc", ""},
        {"docs\\" + meeting + ".txt", ""}});
  const std::string names = "IMG_1234\r\nDSC1234\r\nreport\r\nzzzzzz\r\n" + meeting + record + ".txt\r\n";
  Search(names, {In("")});
  ASSERT_EQ(Paths().size(), 1u);
  EXPECT_EQ(Status(), std::string(texts::kFilesFoundBefore) + "1" + std::string(texts::kFoundAfter) +
                          std::string(texts::kSuggestedBefore) + "3" + std::string(texts::kSuggestedAfter));

  Choose(menu::名字查找统计);
  Record columns{"名字", "找到的文件数", "文件路径(前10个)"};
  columns.resize(12);
  columns.push_back("相似的文件(可能写错了名字)");
  EXPECT_EQ(Records(FileBeside(texts::kCountsFileName)),
            (testing::CsvRecords{columns, NothingFound("IMG_1234", {Utf8(In("photos\\img_1243.jpg"))}),
                                 NothingFound("DSC1234", {Utf8(In("photos\\dsc_1234.jpg"))}),
                                 Record{"report", "1", Utf8(In("docs\\report.doc"))}, NothingFound("zzzzzz", {}),
                                 NothingFound(Utf8(meeting + record + ".txt"), {Utf8(In("docs\\" + meeting + ".txt"))})}));

  EXPECT_EQ(NotFoundReport(), "IMG_1234\r\nDSC1234\r\nzzzzzz\r\n" + meeting + record + ".txt\r\n");
}

// The status line is one line of a fixed width: with a million rows and
// ten thousand names with suggestions it must still be read whole.
TEST_F(Suggestions, the_longest_status_line_fits_its_label) {
  const std::string longest = std::string(texts::kFilesFoundBefore) + "1000000" + std::string(texts::kFoundAfter) +
                              std::string(texts::kSuggestedBefore) + "10000" + std::string(texts::kSuggestedAfter);
  HWND label = Unit(u"标签_状态");
  HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const std::wstring text = platform::Wide(longest);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ReleaseDC(label, dc);
  RECT room{};
  GetClientRect(label, &room);
  EXPECT_LE(size.cx, room.right);
}

// Every name found: nothing is kept for suggestions and the status line is
// the plain one.
TEST_F(Suggestions, a_search_that_found_every_name_says_nothing_of_suggestions) {
  Make({{"IMG_1243.JPG", ""}});
  Search("img_1243\r\n", {In("")});
  EXPECT_EQ(Status(), std::string(texts::kFilesFoundBefore) + "1" + std::string(texts::kFoundAfter));
  EXPECT_EQ(NotFoundReport(), "");
}

}  // namespace
}  // namespace vorlix::test
