#pragma once

#include <array>
#include <string_view>

namespace vorlix::tests {

// The handler table of the test window, in table order. The Windows tests
// build a table of routines in the same order.
inline constexpr std::array<std::string_view, 4> kTestHandlerNames{
    "TestWindowBuilt", "TestButtonClicked", "TestListRightClicked", "TestMenuChosen"};

}  // namespace vorlix::tests
