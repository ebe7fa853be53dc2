// The window's copy, move and folder-keeping copy with a shell that damages
// each file it copies (one byte flipped after the shell's own copy, as a bad
// cable or sector would): the row fails and says why, the bad copy is gone,
// the source is whole, and the record tells the same.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/mainwindow/external_function_declarations.h"
#include "runtime/core/program/external_functions.h"
#include "tests/win32/delivery_room.h"
#include "tests/win32/file_damage.h"
#include "tests/win32/unix_links.h"

extern "C" __declspec(dllexport) int WINAPI DamagingShellFileOperation(LPSHFILEOPSTRUCTW operation) {
  const int result = SHFileOperationW(operation);
  if (operation->wFunc == FO_COPY) vorlix::testing::FlipAByte(vorlix::testing::CopyMadeBy(*operation));
  return result;
}

namespace vorlix::test {
namespace {

namespace menu = app::main_window::menu;

// 32-bit exports of WINAPI functions carry the bytes of their arguments.
#ifdef __i386__
constexpr const char* kDamagingShellName = "DamagingShellFileOperation@4";
#else
constexpr const char* kDamagingShellName = "DamagingShellFileOperation";
#endif

class CheckedDelivery : public DeliveryRoom {
 protected:
  // The program's table of external functions, with the shell's entry
  // taken from this test program.
  void SetUp() override {
    DeliveryRoom::SetUp();
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::vector<core::ExternalFunctionDeclaration> declarations = app::ExternalFunctionDeclarations();
    declarations[app::kShFileOperationW] = {platform::Narrow(program), kDamagingShellName};
    core::UnloadExternalFunctions();
    core::CreateExternalFunctions(declarations, {"", "C:\\nowhere", "C:\\nowhere\\"});
  }
};

TEST_F(CheckedDelivery, a_damaged_copy_fails_its_row_leaves_nothing_in_the_target_and_its_source_whole) {
  // The folder dialog does not reach Z:, so the other volume (memory, at
  // Z:\dev\shm) is reached through a Unix link in the room.
  testing::TemporaryFolder other_volume("Z:\\dev\\shm");
  ASSERT_TRUE(testing::MakeUnixLink(testing::UnixPath(other_volume.Path()), In("shm")));
  const struct {
    const char* what;
    std::u16string button;  // or the menu entry
    core::UnitId entry;
    std::string target;
    std::string_view heading;
  } cases[] = {{"copy", u"按钮3", 0, In("t"), texts::kCopyFailedHeading},
               {"move to another volume", u"按钮5", 0, In("shm"), texts::kMoveFailedHeading},
               {"copy keeping folders", u"", menu::复制勾选文件_保留目录结构, In("t"), texts::kCopyFailedHeading}};
  Make({{"src\\photo.jpg", "the photo's bytes"}, {"t\\keep", ""}});
  Search("photo.jpg\r\n", {In("src")});
  for (const auto& c : cases) {
    DeleteFileW(platform::Wide(RecordPath()).c_str());
    Click(u"按钮1");
    std::string message;
    if (c.entry == 0) {
      DialogAnswers answers({ChooseFolder(c.target), ReadMessage(message)});
      Click(c.button);
    } else {
      message = Deliver(c.entry, c.target);
    }
    EXPECT_TRUE(message.starts_with(std::string(c.heading))) << c.what << ": " << message;
    EXPECT_NE(message.find(texts::kReasonCopyDiffers), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(platform::Wide(c.target)), {}),
              c.target == In("t") ? 1 : 0)
        << c.what << ": the target holds what it held";
    ExpectFiles({{"src\\photo.jpg", "the photo's bytes"}}, c.what);
    const std::vector<Record> lines = RecordLines(true);
    ASSERT_EQ(lines.size(), 1u) << c.what;
    EXPECT_EQ(lines[0][1], In("src\\photo.jpg"));
    EXPECT_EQ(lines[0][2], "") << c.what << ": it went nowhere";
    EXPECT_EQ(lines[0][4], "失败");
    EXPECT_EQ(lines[0][5], Utf8(std::string(texts::kReasonCopyDiffers)));
    EXPECT_EQ(lines[0][6], "");
  }
  testing::RemoveUnixTree(In("shm"));
}

}  // namespace
}  // namespace vorlix::test
