#include "player/lifecycle.h"

#include "player/form_layout.h"
#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

class Lifecycle : public PlayerTest {
 protected:
  void Store(const std::string& folder) {
    profiles.WriteString("juKett ZRV", "path", folder, kSettingsFile);
  }
};

TEST_F(Lifecycle, StartUpPlacesTheWindowCentredAcrossAndAtFortyTwoPercentDown) {
  frm.Load();
  EXPECT_TRUE(form.Topmost());
  // On 15360 x 11520 twips: left 6112.5 and top 3808.5, on the nearest pixels.
  EXPECT_EQ(form.LeftPixel(), 408);
  EXPECT_EQ(form.TopPixel(), 254);
}

TEST_F(Lifecycle, AWindowLargerThanTheScreenStaysWhereStartUpPutsIt) {
  SimScreen tiny{100, 80, 15};
  SimPlayerForm small{tiny, files, kMusic};
  PlayerPorts smallPorts{small, tiny, tray, process, media, profiles, {desktop, desktop}, desktop};
  StartUp(smallPorts);
  EXPECT_LT(small.Left(), 0);
  EXPECT_LT(small.Top(), 0);
}

TEST_F(Lifecycle, StartUpGreetsThenRestoresTheFolderAndShowsItsCount) {
  Store("C:\\Music\\Empty");
  frm.Load();
  ASSERT_EQ(client.Posted().size(), 2u);
  EXPECT_EQ(client.Posted()[0].text, StatusAnnouncement(PlayerStatus::On));
  EXPECT_EQ(client.Posted()[1].text, IdentityAnnouncement("None", "9"));
  EXPECT_GE(client.Posted()[1].at - client.Posted()[0].at, 0.6);
  EXPECT_EQ(form.DirPath(), "C:\\Music\\Empty");
  EXPECT_EQ(form.Caption(Control::Label10), "0 mp3's in this dir");
  EXPECT_TRUE(media.Commands().empty()) << "start-up neither selects nor plays";
  EXPECT_FALSE(form.Visible());
}

TEST_F(Lifecycle, FirstRunKeepsTheInitialFolderAndSavesItAtTheEnd) {
  frm.Load();
  EXPECT_EQ(form.DirPath(), "C:\\Music");
  EXPECT_EQ(form.Caption(Control::Label10), "3 mp3's in this dir");
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(StoredFolder(), "C:\\Music");
}

TEST_F(Lifecycle, AStoredFolderThatIsUnavailableStaysStoredUntilTheUserOpensOne) {
  files.WriteFile(kSettingsFile, "[other]\r\nkey=1\r\n[juKett ZRV]\r\npath=E:\\USB Music\r\n");
  const auto before = files.ReadFile(kSettingsFile);
  frm.Load();
  EXPECT_EQ(form.DirPath(), "C:\\Music");
  EXPECT_EQ(form.Caption(Control::Label10), "3 mp3's in this dir");
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(files.ReadFile(kSettingsFile), before) << "the drive is only unplugged";

  frm.Load();
  form.SetDirPath("C:\\Music\\Empty");
  EXPECT_TRUE(Ends([&] { frm.Unload(); })) << "the next start's window, which unloads once";
  EXPECT_EQ(StoredFolder(), "C:\\Music\\Empty");
}

TEST_F(Lifecycle, ACloseDuringTheGreetingKeepsTheStoredFolder) {
  Store("C:\\Music\\Empty");
  desktop.PostAt(desktop.Now() + 0.3, [&] { form.Unload(); });
  EXPECT_TRUE(Ends([&] { frm.Load(); }));
  EXPECT_EQ(form.DirPath(), "C:\\Music") << "start-up had not got to the folder yet";
  EXPECT_EQ(StoredFolder(), "C:\\Music\\Empty");
}

TEST_F(Lifecycle, ASettingsFileHeldByAnotherProgramAtStartUpKeepsTheStoredFolder) {
  Store("C:\\Music\\Empty");
  files.SetHold(kSettingsFile, SimFileSystem::Hold::kExclusive);
  frm.Load();
  EXPECT_EQ(form.DirPath(), "C:\\Music");
  files.SetHold(kSettingsFile, SimFileSystem::Hold::kNone);  // let go before the quit
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(StoredFolder(), "C:\\Music\\Empty");
}

TEST_F(Lifecycle, ARestoredFolderIsStoredAgainAsTheListsShowIt) {
  Store("c:\\music\\EMPTY\\");
  frm.Load();
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(StoredFolder(), "C:\\Music\\Empty");
}

class FolderOutsideTheCodePage : public Lifecycle {
 protected:
  static constexpr const char* kBeetle = "C:\\\xD0\x96\xD1\x83\xD0\xBA Music";  // "Жук Music"
  static constexpr const char* kOther = "[other]\r\nkey=caf\xE9\r\n";

  FolderOutsideTheCodePage() {
    files.AddFile(std::string(kBeetle) + "\\one.mp3", "tone");
    files.WriteFile(kSettingsFile, kOther);
  }
  // Quits in the folder, then starts again elsewhere: where does it come back?
  std::string StoreAndRestore() {
    frm.Load();
    form.SetDirPath(kBeetle);
    EXPECT_TRUE(Ends([&] { form.Unload(); }));
    form.SetDirPath(kMusic);
    frm.Load();
    return form.DirPath();
  }
};

TEST_F(FolderOutsideTheCodePage, IsStoredByItsShortFormInAnEightBitFile) {
  EXPECT_EQ(StoreAndRestore(), kBeetle);
  EXPECT_EQ(files.ReadFile(kSettingsFile),
            std::string(kOther) + "[juKett ZRV]\r\npath=" + files.ShortPath(kBeetle) + "\r\n");
}

TEST_F(FolderOutsideTheCodePage, WithoutAShortFormTurnsTheFileUnicodeKeepingTheRest) {
  files.SetShortNames(false);
  EXPECT_EQ(StoreAndRestore(), kBeetle);
  EXPECT_TRUE(files.ReadFile(kSettingsFile)->starts_with("\xFF\xFE[\0o\0t\0h\0e\0r\0]\0"));
  EXPECT_EQ(profiles.ReadString("other", "key", kSettingsFile), "caf\xC3\xA9");
}

TEST_F(Lifecycle, QuittingWhilePlayingStopsTheTrackAndStoresTheCurrentFolder) {
  Start();
  Select(0);
  frm.Click(Control::lbplay);
  form.SetDirPath("C:\\Music\\Empty");
  media.ForgetTrace();
  client.ForgetPosted();
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(media.Commands(), (std::vector<std::string>{"stop mp3play", "close all"}));
  EXPECT_EQ(StoredFolder(), "C:\\Music\\Empty");
  EXPECT_TRUE(Posted().empty()) << "an unload by itself says nothing";
}

TEST_F(Lifecycle, FirstRunCreatesTheSettingsFileWithTheSectionAndKey) {
  EXPECT_FALSE(files.FileExists(kSettingsFile));
  frm.Load();
  EXPECT_FALSE(files.FileExists(kSettingsFile)) << "reading creates nothing";
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_EQ(files.ReadFile(kSettingsFile), "[juKett ZRV]\r\npath=C:\\Music\r\n");
}

TEST_F(Lifecycle, AnUnwritableProgramFolderStillEnds) {
  files.SetReadOnly(kProgramDir, true);
  frm.Load();
  EXPECT_TRUE(Ends([&] { form.Unload(); }));
  EXPECT_FALSE(files.FileExists(kSettingsFile));
  EXPECT_EQ(media.Commands().back(), "close all");
}

}  // namespace
}  // namespace jukett::sim
