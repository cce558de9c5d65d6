#include "playback/settings.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_profile_files.h"

namespace jukett {
namespace {

// How the file reads and writes is the profile files contract's; here, where it is.
TEST(SettingsTest, TheFileSitsBesideTheProgramEvenAtADriveRoot) {
  EXPECT_EQ(SettingsFile("C:\\Program Files\\juKett"), "C:\\Program Files\\juKett/jukettzrv.ini");
  sim::SimFileSystem files;
  sim::SimProfileFiles profiles{files};
  files.AddDirectory("E:\\");
  const std::string rootFile = SettingsFile("E:\\");
  EXPECT_EQ(rootFile, "E:\\/jukettzrv.ini");
  WriteSetting(profiles, kSettingsSection, kSettingsPathKey, "E:\\", rootFile);
  EXPECT_TRUE(files.FileExists("E:\\jukettzrv.ini"));
}

}  // namespace
}  // namespace jukett
