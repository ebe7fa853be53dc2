// A small window that holds one unit of most types, a container, a linked
// unit and a hidden popup menu: the tests' stand-in for a real window.
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/log_font.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/template_data/test_handler_names.h"
#include "tests/template_data/test_window_segment.h"
#include "texts.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::tools {

using namespace core;
using namespace tests::test_units;

namespace {

const ByteSet kNinePoint = EncodeFont(MakeFont(-12, kNormalWeight));

void DescribeFrame(UnitDescription& frame) {
  frame.At(50, 50, 420, 300).Visible();
  frame.Set(window_props::kCaption, Text("Vorlix test"))
      .Set(window_props::kBorder, 2)
      .Set(window_props::kMaximiseBox, 0)
      .Set(window_props::kStartPosition, 1)
      .Set(window_props::kEscCloses, 1)
      .On(0, "TestWindowBuilt");
}

void DescribeUnits(WindowDescription& window) {
  window.AddUnit(type_codes::kShapeBox, kShapeBox, Text(texts::kTypeShapeBox) + "1")
      .At(4, 4, 200, 32).Visible().Set(shape_box_props::kLineStyle, 0);
  window.AddUnit(type_codes::kRadioBox, kRadioA, Text(texts::kTypeRadioBox) + "_A")
      .At(6, 5, 90, 24).Visible().TabStop().In(kShapeBox)
      .Set(check_box_props::kCaption, Text("A")).Set(check_box_props::kChecked, 1)
      .Set(check_box_props::kFont, kNinePoint);
  window.AddUnit(type_codes::kRadioBox, kRadioB, Text(texts::kTypeRadioBox) + "_B")
      .At(100, 5, 90, 24).Visible().TabStop().In(kShapeBox).Set(check_box_props::kCaption, Text("B"));
  window.AddUnit(type_codes::kButton, kButton, Text(texts::kTypeButton) + "1")
      .At(6, 240, 80, 30).Visible().TabStop().Set(button_props::kCaption, Text(texts::kTrue))
      .Set(button_props::kFont, kNinePoint).On(0, "TestButtonClicked");
  window.AddUnit(type_codes::kButton, kSecondButton, Text(texts::kTypeButton) + "2")
      .At(96, 240, 80, 30).Visible().Disabled().TabStop().LinkedTo(kButton)
      .Set(button_props::kCaption, Text(texts::kFalse));
  window.AddUnit(type_codes::kEditBox, kEditBox, Text(texts::kTypeEditBox) + "1")
      .At(6, 44, 200, 100).Visible().TabStop()
      .Set(edit_box_props::kMultiLine, 1).Set(edit_box_props::kScrollBars, 3)
      .Set(edit_box_props::kTextColour, 0).Set(edit_box_props::kBackgroundColour, 0xFFFFFF);
  window.AddUnit(type_codes::kLabel, kLabel, Text(texts::kTypeLabel) + "1")
      .At(6, 276, 300, 16).Visible().Set(label_props::kCaption, Text(texts::kTypeLabel));
  const std::vector<ListViewColumn> columns{{0, -1, 0, 150, "path"}, {0, -1, 0, 40, "name"}};
  window.AddUnit(type_codes::kListView, kListView, Text(texts::kTypeListView) + "1")
      .At(212, 44, 200, 150).Visible().TabStop()
      .Set(list_view_props::kColumns, EmitListViewColumns(columns))
      .Set(list_view_props::kCheckBoxes, 1).Set(list_view_props::kFullRowSelect, 1)
      .On(-4, "TestListRightClicked");
  window.AddUnit(type_codes::kProcessBar, kProcessBar, Text(texts::kTypeProcessBar) + "1")
      .At(212, 200, 200, 16).Visible();
  window.AddUnit(type_codes::kTimer, kTimer, Text(texts::kTypeTimer) + "1")
      .At(300, 240, 32, 32).Set(timer_props::kPeriod, 20);
  window.AddUnit(type_codes::kDropTarget, kDropTarget, Text(texts::kTypeDropTarget))
      .At(340, 240, 26, 26)
      .Set(drop_target_props::kAcceptText, 0).Set(drop_target_props::kAcceptRichText, 0)
      .Set(drop_target_props::kAcceptLinks, 0);
}

void DescribeMenu(WindowDescription& window) {
  window.AddMenuItem(kMenuTop, 0, Text(texts::kTypeMenu)).Hidden();
  window.AddMenuItem(kMenuFirst, 1, Text("first"), "TestMenuChosen");
  window.AddMenuItem(kMenuSecond, 1, Text("second"), "TestMenuChosen").Checked();
}

}  // namespace

TemplateDescription DescribeTemplates() {
  TemplateDescription description;
  description.handler_names.assign(tests::kTestHandlerNames.begin(), tests::kTestHandlerNames.end());
  WindowDescription& window = description.windows.emplace_back(tests::kTestWindowId, 0x1901000B);
  DescribeFrame(window.Frame());
  DescribeUnits(window);
  DescribeMenu(window);
  return description;
}

}  // namespace vorlix::tools
