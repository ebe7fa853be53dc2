#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/core/values/identifiers.h"

// What the main window must hold, written out independently of its
// description so that the tests compare the generated segment (and the
// built window) against it. Texts are UTF-16; the tests turn them into GBK
// with the system's codec.
namespace vorlix::tests::main_window_layout {

using core::UnitTypeCode;
namespace types = core::type_codes;

struct Unit {
  std::u16string_view name;
  UnitTypeCode type;
  // Relative to the parent's client area.
  int left, top, width, height;
  // Empty: the window itself.
  std::u16string_view parent;
  bool visible, disabled, tab_stop;
  // Caption of a label, button, check or radio box (the hint's own text is
  // checked on its own); empty when it has none.
  std::u16string_view caption;
  // A 9 pt font (height -12, weight 400, no face name) is stored.
  bool nine_point;
};

inline constexpr Unit kUnits[] = {
    {u"标签2", types::kLabel, 6, 4, 51, 30, u"", true, false, false, u"搜索路径", true},
    {u"按钮_搜索路径", types::kButton, 69, 4, 163, 30, u"", true, false, true, u"添加搜索路径", true},
    {u"按钮_复制到剪贴板", types::kButton, 651, 4, 197, 30, u"", true, false, true, u"一键复制勾选文件到剪贴板", true},
    {u"外形框1", types::kShapeBox, 306, 2, 543, 32, u"", true, false, false, u"", false},
    {u"单选框_指定路径", types::kRadioBox, 6, 5, 145, 24, u"外形框1", true, false, true, u"搜索指定路径(快速)", true},
    {u"单选框_整个电脑", types::kRadioBox, 155, 5, 160, 24, u"外形框1", true, false, true, u"搜索整个电脑(速度较慢)",
     true},
    {u"超级列表框_路径", types::kListView, 2, 41, 302, 79, u"", true, false, true, u"", false},
    {u"外形框2", types::kShapeBox, 306, 41, 543, 79, u"", true, false, false, u"", false},
    {u"选择框_搜索目录", types::kCheckBox, 6, 8, 85, 16, u"外形框2", true, false, true, u"只搜目录名", true},
    {u"选择框_保存路径", types::kCheckBox, 403, 48, 96, 16, u"", true, false, true, u"保存搜索路径", true},
    {u"选择框_保存关键字", types::kCheckBox, 206, 8, 82, 16, u"外形框2", true, false, true, u"保存关键字", true},
    {u"选择框1", types::kCheckBox, 296, 8, 240, 16, u"外形框2", true, false, true,
     u"复制或移动时遇到同名文件自动改名另存", true},
    {u"单选框_精确搜索", types::kRadioBox, 6, 30, 487, 16, u"外形框2", true, false, true,
     u"精确搜索(要搜索的文件名需要填写完整准确，一行一个文件名)", true},
    {u"单选框_模糊搜索", types::kRadioBox, 6, 52, 529, 16, u"外形框2", true, false, true,
     u"模糊搜索(只填写文件名的任意关键字，即可搜索出所有包含这关键字的文件，一行一个关键字)", true},
    {u"拖放对象", types::kDropTarget, 248, 48, 26, 26, u"", false, false, false, u"", false},
    {u"编辑框_文件名", types::kEditBox, 2, 120, 302, 336, u"", true, false, true, u"", false},
    {u"透明标签1", types::kTransLabel, 11, 128, 269, 312, u"", true, false, false, u"", false},
    {u"超级列表框1", types::kListView, 306, 120, 543, 320, u"", true, false, true, u"", false},
    {u"进度条1", types::kProcessBar, 306, 440, 544, 16, u"", true, false, false, u"", false},
    {u"按钮_立即搜索", types::kButton, 6, 464, 66, 30, u"", true, false, true, u"立即搜索", true},
    {u"按钮_未搜索到文件", types::kButton, 76, 464, 110, 30, u"", true, true, true, u"未搜到的文件列表", true},
    {u"按钮_停止搜索", types::kButton, 189, 464, 81, 30, u"", true, false, true, u"停止搜索", true},
    {u"选择框3", types::kCheckBox, 280, 472, 32, 16, u"", false, false, true, u"选择框", false},
    {u"按钮1", types::kButton, 312, 464, 64, 32, u"", true, false, true, u"全部勾选", true},
    {u"按钮2", types::kButton, 392, 464, 84, 32, u"", true, false, true, u"取消全部勾选", true},
    {u"按钮3", types::kButton, 492, 464, 82, 32, u"", true, false, true, u"复制选定文件", true},
    {u"按钮5", types::kButton, 590, 464, 80, 32, u"", true, false, true, u"移动选定文件", true},
    {u"按钮4", types::kButton, 686, 464, 85, 32, u"", true, false, true, u"删除选定文件", true},
    {u"标签_状态", types::kLabel, 8, 496, 424, 16, u"", true, false, false, u"", false},
    {u"列表框_路径", types::kListBox, 397, 291, 299, 59, u"", false, false, true, u"", false},
    {u"时钟1", types::kTimer, 279, 352, 56, 32, u"", false, false, false, u"", false},
};

// Tab order (creation order, oldest first) of the units that take part.
inline constexpr std::u16string_view kNameHintPrompt = u"请在这里输入要搜索的文件名关键字，例如：";

inline constexpr std::u16string_view kFocusOrder[] = {
    u"编辑框_文件名", u"按钮_立即搜索", u"超级列表框1", u"按钮_搜索路径", u"按钮_未搜索到文件",
    u"单选框_整个电脑", u"单选框_指定路径", u"单选框_精确搜索", u"单选框_模糊搜索", u"按钮1",
    u"按钮2", u"按钮3", u"按钮4", u"按钮5", u"按钮_停止搜索",
    u"按钮_复制到剪贴板", u"超级列表框_路径", u"选择框1", u"选择框_保存关键字", u"选择框_搜索目录",
    u"选择框_保存路径",
};

// The window's own children, top first.
inline constexpr std::u16string_view kStackingOrder[] = {
    u"选择框_保存路径", u"超级列表框_路径", u"选择框3", u"按钮_复制到剪贴板", u"拖放对象", u"时钟1",
    u"列表框_路径", u"按钮_停止搜索", u"进度条1", u"按钮5", u"按钮4", u"按钮3",
    u"按钮2", u"按钮1", u"透明标签1", u"外形框2", u"外形框1", u"标签_状态",
    u"按钮_未搜索到文件", u"按钮_搜索路径", u"超级列表框1", u"标签2", u"按钮_立即搜索", u"编辑框_文件名",
};

struct Binding {
  // Empty: the window itself.
  std::u16string_view unit;
  std::int32_t event;
  std::string_view handler;
};

// Every bound event of the window's units; nothing else is bound.
inline constexpr Binding kWiring[] = {
    {u"", 0, "LoadSettingsAtStart"},
    {u"", 2, "SaveStateAtClose"},
    {u"按钮_立即搜索", 0, "StartSearch"},
    {u"按钮_停止搜索", 0, "RequestStop"},
    {u"按钮_未搜索到文件", 0, "WriteNotFoundReport"},
    {u"按钮_搜索路径", 0, "AddFolderFromDialog"},
    {u"拖放对象", 3, "AddDroppedItems"},
    {u"超级列表框_路径", -4, "ShowFolderMenu"},
    {u"列表框_路径", -4, "ShowFolderMenu"},
    {u"超级列表框1", -4, "ShowResultMenu"},
    {u"超级列表框1", -3, "OpenResultFile"},
    {u"超级列表框1", 2, "SortResultsByColumn"},
    {u"按钮1", 0, "CheckAllResults"},
    {u"按钮2", 0, "UncheckAllResults"},
    {u"按钮3", 0, "CopyCheckedFiles"},
    {u"按钮5", 0, "MoveCheckedFiles"},
    {u"按钮4", 0, "DeleteCheckedFiles"},
    {u"按钮_复制到剪贴板", 0, "CopyCheckedToClipboard"},
    {u"选择框_保存路径", 0, "SaveFoldersClicked"},
    {u"选择框_搜索目录", 0, "FolderNamesOnlyClicked"},
    {u"选择框_保存关键字", 0, "SaveKeywordsClicked"},
    {u"选择框1", 0, "AutoRenameClicked"},
    {u"单选框_精确搜索", 0, "ExactMatchClicked"},
    {u"单选框_模糊搜索", 0, "FuzzyMatchClicked"},
    {u"单选框_指定路径", 0, "ChosenFoldersClicked"},
    {u"单选框_整个电脑", 0, "WholeComputerClicked"},
    {u"选择框_保存路径", -6, "OptionHint"},
    {u"选择框_搜索目录", -6, "OptionHint"},
    {u"选择框_保存关键字", -6, "OptionHint"},
    {u"按钮_复制到剪贴板", -6, "OptionHint"},
    {u"编辑框_文件名", -8, "ShowNameHint"},
    {u"透明标签1", -1, "HideNameHint"},
};

struct MenuItem {
  int command;
  std::u16string_view caption;
  std::uint32_t level;
  bool hidden;
  // Empty: no handler.
  std::string_view handler;
};

inline constexpr MenuItem kMenu[] = {
    {20000, u"菜单", 0, true, ""},
    {20001, u"删除当前路径", 1, false, "RemoveCurrentFolder"},
    {20002, u"删除全部路径", 1, false, "RemoveAllFolders"},
    {20003, u"全部勾选", 1, false, "CheckAllFolders"},
    {20004, u"取消全选", 1, false, "UncheckAllFolders"},
    {20005, u"定位", 0, true, ""},
    {20006, u"打开文件所在位置", 1, false, "OpenResultLocation"},
    {20007, u"批量勾选选定项目", 1, false, "CheckSelectedResults"},
    {20008, u"禁用移动按钮", 1, false, "ToggleMoveButton"},
    {20009, u"禁用删除按钮", 1, false, "ToggleDeleteButton"},
    {20010, u"-", 1, false, ""},
    {20011, u"复制勾选文件(保留目录结构)...", 1, false, "CopyCheckedKeepingFolders"},
    {20012, u"移动勾选文件(保留目录结构)...", 1, false, "MoveCheckedKeepingFolders"},
    {20013, u"-", 1, false, ""},
    {20014, u"名字查找统计...", 1, false, "WriteNameCounts"},
    {20015, u"导出结果列表...", 1, false, "ExportResultList"},
    {20016, u"文件夹索引", 0, true, ""},
    {20017, u"使用文件夹索引", 1, false, "ToggleFolderIndex"},
    {20018, u"清除文件夹索引", 1, false, "ClearFolderIndex"},
    {20019, u"复制后校验", 1, false, "ToggleCopyCheck"},
};

}  // namespace vorlix::tests::main_window_layout
