#include "app/results/placed_items.h"

#include <gtest/gtest.h>

namespace vorlix::app {
namespace {

// "\xD5\x5C" is one GBK character whose second byte is a backslash.
TEST(PlacedItems, a_later_item_meets_what_the_run_placed_in_any_spelling_and_nothing_else) {
  PlacedItems placed;
  placed.Add("D:\\CamA\\DCIM\\IMG_0001.JPG", "T:\\out\\DCIM\\IMG_0001.JPG");
  placed.Add("D:\\CamA\\Trip", "T:\\out\\Trip");
  placed.Add("D:\\a\\\xD5\x5C.txt", "T:\\out\\\xD5\x5C.txt");
  const struct {
    const char* destination;
    bool meets;
  } cases[] = {
      {"T:\\out\\DCIM\\IMG_0001.JPG", true},  // the item itself
      {"t:/OUT/dcim/img_0001.jpg\\", true},   // another spelling of it
      {"T:\\out\\DCIM", true},                // a folder holding one
      {"T:\\out", true},
      {"T:\\out\\Trip\\day1\\a.jpg", true},    // inside a placed folder
      {"T:\\out\\Trip (2)", false},            // sorts between the folder and its insides
      {"T:\\out\\DCIM\\IMG_0002.JPG", false},  // beside one
      {"T:\\out\\DCIM\\IMG_0001.JPG (2)", false},
      {"T:\\out\\\xD5\x5C.txt", true},
      {"T:\\out\\\xD5", false},  // the trail byte is no separator
      {"U:\\out\\DCIM\\IMG_0001.JPG", false},
  };
  for (const auto& c : cases) EXPECT_EQ(placed.Meets(c.destination), c.meets) << c.destination;
}

TEST(PlacedItems, a_source_delivered_once_is_found_again_only_as_on_disk_and_for_the_same_folder) {
  PlacedItems placed;
  placed.Add("D:\\a\\IMG_0001.JPG", "T:\\out\\IMG_0001 (2).JPG");
  EXPECT_EQ(placed.LandedFrom("D:\\a\\IMG_0001.JPG", "t:\\OUT"), "T:\\out\\IMG_0001 (2).JPG");
  EXPECT_EQ(placed.LandedFrom("D:\\a\\img_0001.JPG", "T:\\out\\"), std::nullopt) << "another file, of another case";
  EXPECT_EQ(placed.LandedFrom("D:\\a\\IMG_0001.JPG", "T:\\other\\"), std::nullopt);
  EXPECT_EQ(placed.LandedFrom("D:\\b\\IMG_0001.JPG", "T:\\out\\"), std::nullopt);
}

}  // namespace
}  // namespace vorlix::app
