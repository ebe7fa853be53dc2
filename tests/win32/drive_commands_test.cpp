#include "runtime/commands/drive_commands.h"

#include <gtest/gtest.h>

// The test prefix has C: and D: fixed, E: a CD-ROM drive, F: removable,
// G: a network drive, and Z: (the Unix root) a RAM disk.
namespace vorlix::commands {
namespace {

using Drives = std::vector<std::string>;

TEST(GetDriveList, kind_1_gives_the_fixed_disks_in_letter_order) {
  EXPECT_EQ(GetDriveList(1), (Drives{"C:", "D:"}));
}

TEST(GetDriveList, kinds_2_to_4_give_cd_rom_removable_and_network_drives) {
  EXPECT_EQ(GetDriveList(2), Drives{"E:"});
  EXPECT_EQ(GetDriveList(3), Drives{"F:"});
  EXPECT_EQ(GetDriveList(4), Drives{"G:"});
}

TEST(GetDriveList, no_kind_gives_every_drive_of_the_four_kinds_but_not_ram_disks) {
  EXPECT_EQ(GetDriveList(), (Drives{"C:", "D:", "E:", "F:", "G:"}));
}

TEST(GetDriveList, kinds_outside_0_to_4_behave_as_0) {
  EXPECT_EQ(GetDriveList(7), GetDriveList(0));
  EXPECT_EQ(GetDriveList(-1), GetDriveList(0));
  EXPECT_EQ(GetDriveList(0), GetDriveList());
}

}  // namespace
}  // namespace vorlix::commands
