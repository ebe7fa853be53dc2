// The main window as data: the generator turns this description into the
// window template segment that the program embeds and builds at start-up.
// Units are added in creation order, the oldest first; the generator stores
// them newest first, so this one order fixes both the focus order (creation
// order) and the stacking order (stored order) of the window.
#include "app/mainwindow/handler_names.h"
#include "app/mainwindow/main_window_units.h"
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/log_font.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "texts.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::tools {

using namespace core;
using namespace app::main_window;

namespace {

constexpr std::uint32_t kModuleId = 0x1901000A;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kLightGrey = 0xC0C0C0;

// 9 pt: height -12, normal weight, no face name.
const ByteSet kNinePoint = EncodeFont(MakeFont(-12, kNormalWeight));

Text T(std::string_view text) { return Text(text); }

void DescribeFrame(UnitDescription& frame) {
  // Stored at 50, 50; the window opens centred on the screen.
  frame.At(50, 50, 859, 543).Visible();
  frame.Set(window_props::kCaption, T("VorlixV5.2"))
      .Set(window_props::kBorder, 2)  // fixed frame
      .Set(window_props::kMaximiseBox, 0)
      .Set(window_props::kStartPosition, 1)  // centred
      .Set(window_props::kEscCloses, 1)
      .Set(window_props::kEnterMovesFocus, 0)
      .Set(window_props::kF1OpensHelp, 0)
      .On(0, "LoadSettingsAtStart")
      .On(2, "SaveStateAtClose");
}

UnitDescription& AddButton(WindowDescription& window, UnitId id, std::string_view name, std::string_view caption) {
  return window.AddUnit(type_codes::kButton, id, T(name))
      .Visible()
      .TabStop()
      .Set(button_props::kCaption, T(caption))
      .Set(button_props::kFont, kNinePoint);
}

UnitDescription& AddOption(WindowDescription& window, UnitTypeCode type, UnitId id, std::string_view name,
                           std::string_view caption) {
  return window.AddUnit(type, id, T(name))
      .Visible()
      .TabStop()
      .Set(check_box_props::kCaption, T(caption))
      .Set(check_box_props::kFont, kNinePoint);
}

// Report view, check boxes, full-row selection, several rows selectable,
// flat scroll bars, black text on white.
UnitDescription& AddList(WindowDescription& window, UnitId id, std::string_view name,
                         const std::vector<ListViewColumn>& columns) {
  return window.AddUnit(type_codes::kListView, id, T(name))
      .Visible()
      .TabStop()
      .Set(list_view_props::kViewType, 3)
      .Set(list_view_props::kColumns, EmitListViewColumns(columns))
      .Set(list_view_props::kCheckBoxes, 1)
      .Set(list_view_props::kFullRowSelect, 1)
      .Set(list_view_props::kSingleSelection, 0)
      .Set(list_view_props::kFlatScrollBars, 1)
      .Set(list_view_props::kTextColour, kBlack)
      .Set(list_view_props::kTextBackgroundColour, kWhite)
      .Set(list_view_props::kBackgroundColour, kWhite);
}

void DescribeNameBox(WindowDescription& window) {
  window.AddUnit(type_codes::kEditBox, 编辑框_文件名, T(texts::kUnitNameBox))
      .At(2, 120, 302, 336).Visible().TabStop()
      .Set(edit_box_props::kMultiLine, 1)
      .Set(edit_box_props::kScrollBars, 3)  // both
      .Set(edit_box_props::kHideSelection, 1)
      .Set(edit_box_props::kMaxLength, 0)
      .Set(edit_box_props::kInputMode, 0)
      .Set(edit_box_props::kTextColour, kBlack)
      .Set(edit_box_props::kBackgroundColour, kWhite)
      .On(-8, "ShowNameHint");
}

void DescribeResultList(WindowDescription& window) {
  const std::vector<ListViewColumn> columns{{0, -1, 0, 450, T(texts::kColumnFilePath)},
                                            {0, -1, 0, 100, T(texts::kColumnFileName)}};
  AddList(window, 超级列表框1, texts::kUnitResultList, columns)
      .At(306, 120, 543, 320)
      .Set(list_view_props::kHeaderButtons, 1)
      .Set(list_view_props::kGridLines, 0)
      .Set(list_view_props::kLabelEditing, 0)
      .Set(list_view_props::kAutoSort, 0)
      .On(-4, "ShowResultMenu")
      .On(-3, "OpenResultFile")
      .On(2, "SortResultsByColumn");
}

void DescribeScopeBox(WindowDescription& window) {
  window.AddUnit(type_codes::kShapeBox, 外形框1, T(texts::kUnitShapeBox1))
      .At(306, 2, 543, 32).Visible()
      .Set(shape_box_props::kShape, 0)
      .Set(shape_box_props::kLineStyle, 0)
      .Set(shape_box_props::kLineWidth, 1)
      .Set(shape_box_props::kLineColour, kBlack);
  AddOption(window, type_codes::kRadioBox, 单选框_整个电脑, texts::kUnitWholeComputerRadio,
            texts::kCaptionSearchWholeComputer)
      .At(155, 5, 160, 24).In(外形框1).Set(check_box_props::kChecked, 0).On(0, "WholeComputerClicked");
  AddOption(window, type_codes::kRadioBox, 单选框_指定路径, texts::kUnitChosenFoldersRadio,
            texts::kCaptionSearchChosenFolders)
      .At(6, 5, 145, 24).In(外形框1).Set(check_box_props::kChecked, 1).On(0, "ChosenFoldersClicked");
}

// Every property of 外形框2 keeps its default: its record stores no data.
void DescribeMatchBox(WindowDescription& window) {
  window.AddUnit(type_codes::kShapeBox, 外形框2, T(texts::kUnitShapeBox2)).At(306, 41, 543, 79).Visible();
  AddOption(window, type_codes::kRadioBox, 单选框_精确搜索, texts::kUnitExactRadio, texts::kCaptionExactMatch)
      .At(6, 30, 487, 16).In(外形框2).Set(check_box_props::kChecked, 1).On(0, "ExactMatchClicked");
  AddOption(window, type_codes::kRadioBox, 单选框_模糊搜索, texts::kUnitFuzzyRadio, texts::kCaptionFuzzyMatch)
      .At(6, 52, 529, 16).In(外形框2).Set(check_box_props::kChecked, 0).On(0, "FuzzyMatchClicked");
}

void DescribeNameHint(WindowDescription& window) {
  window.AddUnit(type_codes::kTransLabel, 透明标签1, T(texts::kUnitTransLabel1))
      .At(11, 128, 269, 312).Visible()
      .Set(trans_label_props::kCaption, T(texts::kNameHint))
      .Set(trans_label_props::kEffect, 0)
      .Set(trans_label_props::kTextColour, kLightGrey)
      .Set(trans_label_props::kHorizontalAlignment, 0)
      .Set(trans_label_props::kWordWrap, 1)
      .On(-1, "HideNameHint");
}

void DescribeResultButtons(WindowDescription& window) {
  AddButton(window, 按钮1, texts::kUnitButton1, texts::kCaptionCheckAll)
      .At(312, 464, 64, 32).On(0, "CheckAllResults");
  AddButton(window, 按钮2, texts::kUnitButton2, texts::kCaptionUncheckAll)
      .At(392, 464, 84, 32).On(0, "UncheckAllResults");
  AddButton(window, 按钮3, texts::kUnitButton3, texts::kCaptionCopyChecked)
      .At(492, 464, 82, 32).On(0, "CopyCheckedFiles");
  AddButton(window, 按钮4, texts::kUnitButton4, texts::kCaptionDeleteChecked)
      .At(686, 464, 85, 32).On(0, "DeleteCheckedFiles");
  AddButton(window, 按钮5, texts::kUnitButton5, texts::kCaptionMoveChecked)
      .At(590, 464, 80, 32).On(0, "MoveCheckedFiles");
}

// 进度条1 and 列表框_路径 store no property data: the defaults are what they
// need (a horizontal segmented bar from 0 to 100 at 0; a plain list box).
void DescribeProgressStopAndBackgroundUnits(WindowDescription& window) {
  window.AddUnit(type_codes::kProcessBar, 进度条1, T(texts::kUnitProgressBar1)).At(306, 440, 544, 16).Visible();
  AddButton(window, 按钮_停止搜索, texts::kUnitStopButton, texts::kCaptionStopSearch)
      .At(189, 464, 81, 30).On(0, "RequestStop");
  window.AddUnit(type_codes::kListBox, 列表框_路径, T(texts::kUnitFolderListBox))
      .At(397, 291, 299, 59).TabStop().On(-4, "ShowFolderMenu");
  // Ticks with no handler bound, so it has no effect.
  window.AddUnit(type_codes::kTimer, 时钟1, T(texts::kUnitTimer1)).At(279, 352, 56, 32).Set(timer_props::kPeriod, 20);
  // Files only; its drop area (the whole window) is registered at start-up.
  window.AddUnit(type_codes::kDropTarget, 拖放对象, T(texts::kUnitDropTarget))
      .At(248, 48, 26, 26)
      .Set(drop_target_props::kAcceptText, 0)
      .Set(drop_target_props::kAcceptRichText, 0)
      .Set(drop_target_props::kAcceptLinks, 0)
      .Set(drop_target_props::kAcceptFiles, 1)
      .On(3, "AddDroppedItems");
}

void DescribeFolderList(WindowDescription& window) {
  AddList(window, 超级列表框_路径, texts::kUnitFolderList, {{0, -1, 0, 260, T(texts::kColumnFolder)}})
      .At(2, 41, 302, 79)
      .Set(list_view_props::kHideColumnHeaders, 1)
      .On(-4, "ShowFolderMenu");
}

void DescribeOptionBoxes(WindowDescription& window) {
  AddOption(window, type_codes::kCheckBox, 选择框1, texts::kUnitCheckBox1, texts::kCaptionAutoRename)
      .At(296, 8, 240, 16).In(外形框2).On(0, "AutoRenameClicked");
  AddOption(window, type_codes::kCheckBox, 选择框_保存关键字, texts::kUnitSaveKeywordsBox, texts::kCaptionSaveKeywords)
      .At(206, 8, 82, 16).In(外形框2).On(0, "SaveKeywordsClicked").On(-6, "OptionHint");
  AddOption(window, type_codes::kCheckBox, 选择框_搜索目录, texts::kUnitFolderNamesOnlyBox,
            texts::kCaptionFolderNamesOnly)
      .At(6, 8, 85, 16).In(外形框2).On(0, "FolderNamesOnlyClicked").On(-6, "OptionHint");
  // A child of the window itself, lying over 外形框2: it was made last, so
  // it lies on top of everything.
  AddOption(window, type_codes::kCheckBox, 选择框_保存路径, texts::kUnitSaveFoldersBox, texts::kCaptionSaveFolders)
      .At(403, 48, 96, 16).On(0, "SaveFoldersClicked").On(-6, "OptionHint");
}

void DescribeUnits(WindowDescription& window) {
  DescribeNameBox(window);
  AddButton(window, 按钮_立即搜索, texts::kUnitSearchButton, texts::kCaptionSearchNow)
      .At(6, 464, 66, 30).On(0, "StartSearch");
  window.AddUnit(type_codes::kLabel, 标签2, T(texts::kUnitLabel2))
      .At(6, 4, 51, 30).Visible()
      .Set(label_props::kCaption, T(texts::kCaptionSearchFolders))
      .Set(label_props::kBorder, 0)
      .Set(label_props::kFont, kNinePoint);
  DescribeResultList(window);
  AddButton(window, 按钮_搜索路径, texts::kUnitAddFolderButton, texts::kCaptionAddSearchFolder)
      .At(69, 4, 163, 30).On(0, "AddFolderFromDialog");
  AddButton(window, 按钮_未搜索到文件, texts::kUnitNotFoundButton, texts::kCaptionNotFoundList)
      .At(76, 464, 110, 30).Disabled().On(0, "WriteNotFoundReport");
  window.AddUnit(type_codes::kLabel, 标签_状态, T(texts::kUnitStatusLabel))
      .At(8, 496, 424, 16).Visible()
      .Set(label_props::kCaption, Text())
      .Set(label_props::kBorder, 0);
  DescribeScopeBox(window);
  DescribeMatchBox(window);
  DescribeNameHint(window);
  DescribeResultButtons(window);
  DescribeProgressStopAndBackgroundUnits(window);
  AddButton(window, 按钮_复制到剪贴板, texts::kUnitClipboardButton, texts::kCaptionCopyCheckedToClipboard)
      .At(651, 4, 197, 30).On(0, "CopyCheckedToClipboard").On(-6, "OptionHint");
  // Never shown: its check mark is the result list's sort direction.
  window.AddUnit(type_codes::kCheckBox, 选择框3, T(texts::kUnitCheckBox3))
      .At(280, 472, 32, 16).TabStop()
      .Set(check_box_props::kCaption, T(texts::kCaptionCheckBox))
      .Set(check_box_props::kChecked, 1);
  DescribeFolderList(window);
  DescribeOptionBoxes(window);
}

// Every top-level item is hidden: the menu bar shows nothing, and each
// serves only as a popup. The folder index's items follow the others, so
// that no item before them changes its command identifier; the folder
// list's popup shows them after its own.
void DescribeMenu(WindowDescription& window) {
  window.AddMenuItem(menu::菜单, 0, T(texts::kMenuFolderPopup)).Hidden();
  window.AddMenuItem(menu::删除当前路径, 1, T(texts::kMenuRemoveCurrentFolder), "RemoveCurrentFolder");
  window.AddMenuItem(menu::删除全部路径, 1, T(texts::kMenuRemoveAllFolders), "RemoveAllFolders");
  window.AddMenuItem(menu::全部勾选, 1, T(texts::kMenuCheckAllFolders), "CheckAllFolders");
  window.AddMenuItem(menu::取消全选, 1, T(texts::kMenuUncheckAllFolders), "UncheckAllFolders");
  window.AddMenuItem(menu::定位, 0, T(texts::kMenuResultPopup)).Hidden();
  window.AddMenuItem(menu::打开文件所在位置, 1, T(texts::kMenuOpenResultLocation), "OpenResultLocation");
  window.AddMenuItem(menu::批量勾选选定项目, 1, T(texts::kMenuCheckSelectedResults), "CheckSelectedResults");
  window.AddMenuItem(menu::禁用移动按钮, 1, T(texts::kMenuDisableMoveButton), "ToggleMoveButton");
  window.AddMenuItem(menu::禁用删除按钮, 1, T(texts::kMenuDisableDeleteButton), "ToggleDeleteButton");
  window.AddMenuItem(menu::分隔线_保留目录结构, 1, T("-"));
  window.AddMenuItem(menu::复制勾选文件_保留目录结构, 1, T(texts::kMenuCopyKeepingFolders),
                     "CopyCheckedKeepingFolders");
  window.AddMenuItem(menu::移动勾选文件_保留目录结构, 1, T(texts::kMenuMoveKeepingFolders),
                     "MoveCheckedKeepingFolders");
  window.AddMenuItem(menu::分隔线_统计导出, 1, T("-"));
  window.AddMenuItem(menu::名字查找统计, 1, T(texts::kMenuNameCounts), "WriteNameCounts");
  window.AddMenuItem(menu::导出结果列表, 1, T(texts::kMenuExportResults), "ExportResultList");
  window.AddMenuItem(menu::文件夹索引, 0, T(texts::kMenuFolderIndexPopup)).Hidden();
  window.AddMenuItem(menu::使用文件夹索引, 1, T(texts::kMenuUseFolderIndex), "ToggleFolderIndex");
  window.AddMenuItem(menu::清除文件夹索引, 1, T(texts::kMenuClearFolderIndex), "ClearFolderIndex");
  window.AddMenuItem(menu::复制后校验, 1, T(texts::kMenuCheckCopies), "ToggleCopyCheck");
}

}  // namespace

TemplateDescription DescribeTemplates() {
  TemplateDescription description;
  description.handler_names.assign(app::kHandlerNames.begin(), app::kHandlerNames.end());
  WindowDescription& window = description.windows.emplace_back(kMainWindowId, kModuleId);
  DescribeFrame(window.Frame());
  DescribeUnits(window);
  DescribeMenu(window);
  return description;
}

}  // namespace vorlix::tools
