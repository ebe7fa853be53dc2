#pragma once

#include "runtime/core/values/identifiers.h"

// The units and menu items of the main window (core::kMainWindowId), named
// as the window names them. Handlers address units by these ids.
namespace vorlix::app::main_window {

// In creation order, the oldest first: this order is the focus order and,
// reversed, the stacking order of the units that share a parent.
inline constexpr core::UnitId 编辑框_文件名 = 0x16010003;
inline constexpr core::UnitId 按钮_立即搜索 = 0x16010004;
inline constexpr core::UnitId 标签2 = 0x16010005;
inline constexpr core::UnitId 超级列表框1 = 0x16010006;
inline constexpr core::UnitId 按钮_搜索路径 = 0x16010007;
inline constexpr core::UnitId 按钮_未搜索到文件 = 0x16010008;
inline constexpr core::UnitId 标签_状态 = 0x16010009;
inline constexpr core::UnitId 外形框1 = 0x1601000A;
inline constexpr core::UnitId 单选框_整个电脑 = 0x1601000B;
inline constexpr core::UnitId 单选框_指定路径 = 0x1601000C;
inline constexpr core::UnitId 外形框2 = 0x1601000D;
inline constexpr core::UnitId 单选框_精确搜索 = 0x1601000E;
inline constexpr core::UnitId 单选框_模糊搜索 = 0x1601000F;
inline constexpr core::UnitId 透明标签1 = 0x16010010;
inline constexpr core::UnitId 按钮1 = 0x16010011;
inline constexpr core::UnitId 按钮2 = 0x16010012;
inline constexpr core::UnitId 按钮3 = 0x16010013;
inline constexpr core::UnitId 按钮4 = 0x16010014;
inline constexpr core::UnitId 按钮5 = 0x16010015;
inline constexpr core::UnitId 进度条1 = 0x16010016;
inline constexpr core::UnitId 按钮_停止搜索 = 0x16010017;
inline constexpr core::UnitId 列表框_路径 = 0x16010018;
inline constexpr core::UnitId 时钟1 = 0x16010019;
inline constexpr core::UnitId 拖放对象 = 0x1601001A;
inline constexpr core::UnitId 按钮_复制到剪贴板 = 0x1601001B;
inline constexpr core::UnitId 选择框3 = 0x1601001C;
inline constexpr core::UnitId 超级列表框_路径 = 0x1601001D;
inline constexpr core::UnitId 选择框1 = 0x1601001E;
inline constexpr core::UnitId 选择框_保存关键字 = 0x1601001F;
inline constexpr core::UnitId 选择框_搜索目录 = 0x16010020;
inline constexpr core::UnitId 选择框_保存路径 = 0x16010021;

// The menu run: hidden top-level items, each a popup.
// An item's command id is 20000 plus its place in the run.
namespace menu {
inline constexpr core::UnitId 菜单 = 0x26010263;
inline constexpr core::UnitId 删除当前路径 = 0x26010264;
inline constexpr core::UnitId 删除全部路径 = 0x26010265;
inline constexpr core::UnitId 全部勾选 = 0x26010266;
inline constexpr core::UnitId 取消全选 = 0x26010267;
inline constexpr core::UnitId 定位 = 0x26010268;
inline constexpr core::UnitId 打开文件所在位置 = 0x26010269;
inline constexpr core::UnitId 批量勾选选定项目 = 0x2601026A;
inline constexpr core::UnitId 禁用移动按钮 = 0x2601026B;
inline constexpr core::UnitId 禁用删除按钮 = 0x2601026C;
inline constexpr core::UnitId 分隔线_保留目录结构 = 0x2601026D;
inline constexpr core::UnitId 复制勾选文件_保留目录结构 = 0x2601026E;
inline constexpr core::UnitId 移动勾选文件_保留目录结构 = 0x2601026F;
inline constexpr core::UnitId 分隔线_统计导出 = 0x26010270;
inline constexpr core::UnitId 名字查找统计 = 0x26010271;
inline constexpr core::UnitId 导出结果列表 = 0x26010272;
// Added after the items above, which keep their command identifiers.
inline constexpr core::UnitId 文件夹索引 = 0x26010273;
inline constexpr core::UnitId 使用文件夹索引 = 0x26010274;
inline constexpr core::UnitId 清除文件夹索引 = 0x26010275;
inline constexpr core::UnitId 复制后校验 = 0x26010276;
}  // namespace menu

inline constexpr int kFirstMenuCommand = 20000;

}  // namespace vorlix::app::main_window
