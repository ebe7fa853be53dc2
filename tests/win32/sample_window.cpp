#include "tests/win32/sample_window.h"

#include <stdexcept>

#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/log_font.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {
namespace {

using namespace core;
using namespace sample;

const ByteSet kNinePoint = EncodeFont(MakeFont(-12, kNormalWeight));

void DescribeFrame(tools::UnitDescription& frame) {
  frame.At(50, 50, 560, 420).Visible();
  frame.Set(window_props::kCaption, Gbk(L"示例窗口 Vorlix"))
      .Set(window_props::kBorder, 2)
      .Set(window_props::kMaximiseBox, 0)
      .Set(window_props::kStartPosition, 1)
      .Set(window_props::kEscCloses, 1);
}

void DescribeEditing(tools::WindowDescription& window) {
  window.AddUnit(type_codes::kEditBox, kEditBox, Gbk(L"编辑框_文件名"))
      .At(8, 40, 200, 150).Visible().TabStop()
      .Set(edit_box_props::kMultiLine, 1).Set(edit_box_props::kScrollBars, 3)
      .Set(edit_box_props::kTextColour, 0).Set(edit_box_props::kBackgroundColour, 0xFFFFFF);
  window.AddUnit(type_codes::kTransLabel, kHint, Gbk(L"透明标签1"))
      .At(14, 46, 180, 120).Visible()
      .Set(trans_label_props::kCaption, Gbk(L"请在这里输入要搜索的文件名关键字，例如：\r\n201901010000000001.jpg"))
      .Set(trans_label_props::kTextColour, 0xC0C0C0).Set(trans_label_props::kWordWrap, 1);
  window.AddUnit(type_codes::kLabel, kLabel, Gbk(L"标签2"))
      .At(8, 8, 60, 24).Visible().Set(label_props::kCaption, Gbk(L"搜索路径")).Set(label_props::kFont, kNinePoint);
  window.AddUnit(type_codes::kButton, kButton, Gbk(L"按钮_搜索路径"))
      .At(76, 6, 130, 28).Visible().TabStop()
      .Set(button_props::kCaption, Gbk(L"添加搜索路径")).Set(button_props::kFont, kNinePoint).On(0, "Record");
}

void DescribeOptions(tools::WindowDescription& window) {
  window.AddUnit(type_codes::kShapeBox, kShapeBox, Gbk(L"外形框1"))
      .At(220, 6, 330, 60).Visible().Set(shape_box_props::kLineStyle, 0);
  window.AddUnit(type_codes::kRadioBox, kRadioA, Gbk(L"单选框_指定路径"))
      .At(6, 6, 150, 20).Visible().TabStop().In(kShapeBox)
      .Set(check_box_props::kCaption, Gbk(L"搜索指定路径(快速)")).Set(check_box_props::kChecked, 1)
      .Set(check_box_props::kFont, kNinePoint);
  window.AddUnit(type_codes::kRadioBox, kRadioB, Gbk(L"单选框_整个电脑"))
      .At(160, 6, 160, 20).Visible().TabStop().In(kShapeBox)
      .Set(check_box_props::kCaption, Gbk(L"搜索整个电脑(较慢)")).Set(check_box_props::kFont, kNinePoint);
  window.AddUnit(type_codes::kCheckBox, kCheckBox, Gbk(L"选择框_搜索目录"))
      .At(6, 32, 150, 20).Visible().TabStop().In(kShapeBox)
      .Set(check_box_props::kCaption, Gbk(L"只搜目录名")).Set(check_box_props::kFont, kNinePoint);
}

void DescribeLists(tools::WindowDescription& window) {
  const std::vector<ListViewColumn> columns{{0, -1, 0, 200, Gbk(L"文件路径")}, {0, -1, 0, 100, Gbk(L"文件名")}};
  const std::vector<ListViewInitialEntry> rows{
      {0, -1, 2, 0, 0, Gbk(L"C:\\照片\\假日.jpg"), {}}, {1, -1, 0, 0, 0, Gbk(L"假日.jpg"), {}},
      {0, -1, 1, 0, 0, Gbk(L"C:\\文档\\报告.txt"), {}}, {1, -1, 0, 0, 0, Gbk(L"报告.txt"), {}}};
  window.AddUnit(type_codes::kListView, kListView, Gbk(L"超级列表框1"))
      .At(220, 72, 330, 150).Visible().TabStop()
      .Set(list_view_props::kColumns, EmitListViewColumns(columns))
      .Set(list_view_props::kInitialItems, EmitListViewInitialEntries(rows))
      .Set(list_view_props::kCheckBoxes, 1).Set(list_view_props::kFullRowSelect, 1)
      .Set(list_view_props::kFlatScrollBars, 1)
      .Set(list_view_props::kTextColour, 0).Set(list_view_props::kBackgroundColour, 0xFFFFFF)
      .On(-4, "Record");
  window.AddUnit(type_codes::kProcessBar, kProcessBar, Gbk(L"进度条1"))
      .At(8, 200, 200, 16).Visible().Set(process_bar_props::kPosition, 40);
  window.AddUnit(type_codes::kListBox, kListBox, Gbk(L"列表框_路径"))
      .At(8, 222, 200, 60).Visible().TabStop()
      .Set(list_box_props::kItems, TextList{Gbk(L"甲"), Gbk(L"乙"), Gbk(L"丙")});
}

void DescribeRest(tools::WindowDescription& window, int timer_period) {
  window.AddUnit(type_codes::kButton, kDisabledButton, Gbk(L"按钮_未搜索到文件"))
      .At(220, 232, 150, 28).Visible().Disabled().TabStop()
      .Set(button_props::kCaption, Gbk(L"未搜到的文件列表")).Set(button_props::kFont, kNinePoint);
  window.AddUnit(type_codes::kLabel, kStatus, Gbk(L"标签_状态"))
      .At(8, 330, 400, 16).Visible().Set(label_props::kCaption, Gbk(L"搜索完毕,共搜索到文件2个。"));
  window.AddUnit(type_codes::kTimer, kTimer, Gbk(L"时钟1"))
      .At(300, 300, 32, 32).Set(timer_props::kPeriod, timer_period).On(0, "Record");
  window.AddUnit(type_codes::kDropTarget, kDropTarget, Gbk(L"拖放对象")).At(340, 300, 26, 26);
  window.AddUnit(type_codes::kCheckBox, kHiddenCheckBox, Gbk(L"选择框3"))
      .At(380, 300, 60, 16).TabStop().Set(check_box_props::kCaption, Gbk(L"选择框"))
      .Set(check_box_props::kChecked, 1);
  window.AddUnit(type_codes::kEditBox, kSingleLineEdit, Gbk(L"编辑框1"))
      .At(220, 270, 150, 4).Visible().TabStop().Set(edit_box_props::kContent, Gbk(L"单行"));
}

void DescribeMenu(tools::WindowDescription& window) {
  constexpr std::uint32_t kCtrlO = 15;
  window.AddMenuItem(kFileMenu, 0, Gbk(L"文件"));
  window.AddMenuItem(kOpenItem, 1, Gbk(L"打开"), "Record").Shortcut(kCtrlO);
  window.AddMenuItem(kSeparator, 1, "-");
  window.AddMenuItem(kQuitItem, 1, Gbk(L"退出"), "Record").Disabled();
  window.AddMenuItem(kPopupMenu, 0, Gbk(L"菜单")).Hidden();
  window.AddMenuItem(kRemoveItem, 1, Gbk(L"删除当前路径"), "Record");
  window.AddMenuItem(kCheckAllItem, 1, Gbk(L"全部勾选"), "RecordOther").Checked();
}

}  // namespace

tools::UnitDescription& UnitIn(tools::WindowDescription& window, core::UnitId unit) {
  for (const auto& described : window.units()) {
    // The description hands out its units only for reading once added.
    if (described.id == unit) return const_cast<tools::UnitDescription&>(described);
  }
  throw std::invalid_argument("no such unit in the description");
}

tools::WindowDescription& DescribeSampleWindow(tools::TemplateDescription& description, int timer_period) {
  tools::WindowDescription& window = description.windows.emplace_back(kSampleWindow, 0x1901000C);
  DescribeFrame(window.Frame());
  DescribeEditing(window);
  DescribeOptions(window);
  DescribeLists(window);
  DescribeRest(window, timer_period);
  DescribeMenu(window);
  return window;
}

}  // namespace vorlix::test
