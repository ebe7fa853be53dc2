// The shape box: a painted shape that may hold other units.
#include "platform/shape_box_window.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace shape_box_props;

platform::ShapeLook LookOf(const UnitPropertyData& data) {
  auto colour = [&](int property) { return static_cast<std::uint32_t>(data.Word(property)); };
  platform::ShapeLook look;
  look.background = colour(kBackgroundColour);
  look.shape = data.Word(kShape);
  look.line_style = data.Word(kLineStyle);
  look.line_width = data.Word(kLineWidth);
  look.line_colour = colour(kLineColour);
  look.fill_colour = colour(kFillColour);
  return look;
}

class ShapeBoxUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

 protected:
  void Apply(int) override { platform::SetShapeLook(window(), LookOf(data_)); }
};

std::unique_ptr<LiveUnit> CreateShapeBox(const UnitCreation& creation) {
  const auto window = platform::CreateShapeBox(creation.window, LookOf(creation.data));
  if (window == 0) return nullptr;
  return std::make_unique<ShapeBoxUnit>(creation.type, creation.data, window);
}

}  // namespace

const UnitRealiser kShapeBoxRealiser{CreateShapeBox};

}  // namespace vorlix::core
