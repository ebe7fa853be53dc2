// The lifecycle test program's only window: a frame whose built and
// destroyed events run the program's handlers.
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/win32/programs/lifecycle_window.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::tools {

using namespace core;

TemplateDescription DescribeTemplates() {
  TemplateDescription description;
  description.handler_names.assign(tests::kLifecycleHandlerNames.begin(), tests::kLifecycleHandlerNames.end());
  WindowDescription& window = description.windows.emplace_back(tests::kLifecycleWindowId, 0x1901000A);
  window.Frame()
      .At(40, 40, 300, 200)
      .Visible()
      .Set(window_props::kCaption, Text(tests::kLifecycleCaption))
      .On(0, "LifecycleBuilt")
      .On(2, "LifecycleDestroyed");
  return description;
}

}  // namespace vorlix::tools
