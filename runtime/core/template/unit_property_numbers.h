#pragma once

namespace vorlix::core {

// Type property numbers (unit property 8 + k) of the unit types this program
// uses, in each type's descriptor order.

namespace window_props {
enum : int {
  kCaption, kBorder, kBackgroundColour, kBackgroundPicture, kPictureLayout, kMusic, kMusicPlayCount,
  kControlBox, kMaximiseBox, kMinimiseBox, kStartPosition, kMovable, kIcon, kEnterMovesFocus, kEscCloses,
  kF1OpensHelp, kHelpFile, kHelpContext, kShownInTaskBar, kWord19, kWord20, kAlwaysOnTop, kWord22,
  kClassName,
};
}  // namespace window_props

namespace menu_props {
enum : int { kCaption, kChecked, kDisabled, kVisible };
}  // namespace menu_props

namespace edit_box_props {
enum : int {
  kContent, kBorder, kTextColour, kBackgroundColour, kFont, kHideSelection, kMaxLength, kMultiLine,
  kScrollBars, kAlignment, kInputMode, kPasswordChar, kCaseConversion, kSpinButtons, kSpinMinimum,
  kSpinMaximum, kSelectionStart, kSelectionLength, kSelectedText, kDataSource, kDataColumn,
};
}  // namespace edit_box_props

namespace label_props {
enum : int {
  kCaption, kEffect, kBorder, kEffectWidth, kShadowColour, kHighlightColour, kEdgeColour, kFont,
  kBackgroundMode, kBackgroundColour, kPicture, kPictureLayout, kGradientDirection, kGradientColour1,
  kGradientColour2, kGradientColour3, kHorizontalAlignment, kWordWrap, kVerticalAlignment, kDataSource,
  kDataColumn,
};
}  // namespace label_props

namespace button_props {
enum : int { kPicture, kType, kCaption, kHorizontalAlignment, kVerticalAlignment, kFont };
}  // namespace button_props

// CheckBox and RadioBox; the last two exist for CheckBox only.
namespace check_box_props {
enum : int {
  kPicture, kPushLike, kFlat, kCaption, kTextLeft, kHorizontalAlignment, kVerticalAlignment, kTextColour,
  kBackgroundColour, kFont, kChecked, kDataSource, kDataColumn,
};
}  // namespace check_box_props

namespace list_box_props {
enum : int {
  kBorder, kSorted, kMultiColumn, kTextColour, kBackgroundColour, kColumnWidth, kCurrentRow,
  kMultipleSelection, kFont, kIntegralHeight, kCheckBoxes, kItemData, kItems, kDataSource, kDataColumn,
};
}  // namespace list_box_props

namespace process_bar_props {
enum : int { kBorder, kVertical, kSmooth, kMinimum, kMaximum, kPosition };
}  // namespace process_bar_props

namespace timer_props {
enum : int { kPeriod };
}  // namespace timer_props

namespace shape_box_props {
enum : int { kBackgroundColour, kShape, kMode, kLineStyle, kLineWidth, kLineColour, kFillColour };
}  // namespace shape_box_props

namespace list_view_props {
enum : int {
  kBorder, kTextColour, kTextBackgroundColour, kBackgroundColour, kFont, kViewType, kAlignLeft,
  kAutoArrange, kWrapLabels, kHideColumnHeaders, kHeaderButtons, kFullRowSelect, kGridLines, kHeaderDrag,
  kHeaderImages, kItemImages, kStateImages, kColumns, kHotTracking, kHandCursor, kUnderlineCold,
  kUnderlineHot, kLabelEditing, kAutoSort, kCheckBoxes, kFlatScrollBars, kSingleSelection, kCurrentRow,
  kAlwaysShowSelection, kInitialItems,
};
}  // namespace list_view_props

namespace trans_label_props {
enum : int { kCaption, kEffect, kFont, kTextColour, kHorizontalAlignment, kWordWrap, kVerticalAlignment };
}  // namespace trans_label_props

namespace drop_target_props {
enum : int { kAcceptText, kAcceptRichText, kAcceptLinks, kAcceptFiles };
}  // namespace drop_target_props

}  // namespace vorlix::core
