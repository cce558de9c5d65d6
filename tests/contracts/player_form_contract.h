// What the player's handlers rely on from the player window and the events
// it raises, stated once and run against the simulated window and the real
// one. A world type gives a window made hidden, as the program makes it,
// notes what its handlers are told, and acts as the user:
//   struct World {
//     PlayerForm& Form();
//     NotedEvents& Events();  // what the handlers were told, in order
//     float TwipsPerPixel();  // the screen's
//     // A new folder holding `names` (one ending in "\" is a folder); its
//     // path, without a trailing separator.
//     std::string StageFolder(std::initializer_list<std::string_view> names);
//     void ShowAndSettle();
//     // The pointer at (x, y), in twips inside `control`: moved there,
//     // pressed or released there with one button, or double-clicked there
//     // with the left button, as quickly as a user does.
//     void Move(Control control, float x, float y);
//     void Press(Control control, float x, float y, int button);
//     void Release(Control control, float x, float y, int button);
//     void DoubleClick(Control control, float x, float y);
//     // Return in the file list, on its selection.
//     void ReturnInFileList();
//     // The directory list's row of `folder` (one inside the folder shown,
//     // or the folder shown) chosen, then Return or a double-click on it.
//     void OpenInDirList(std::string_view folder, bool byDoubleClick);
//     // The tray icon's report of the mouse message `message`.
//     void TrayIconReport(int message);
//     // The system asks the window to close (Alt+F4, the task manager).
//     void Close();
//   };
// Instantiate with INSTANTIATE_TYPED_TEST_SUITE_P(Name, PlayerFormContract, World).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "player/form_layout.h"
#include "ports/player_form.h"
#include "tests/contracts/noted_events.h"

namespace jukett {

template <typename World>
class PlayerFormContract : public ::testing::Test {
 protected:
  PlayerForm& form() { return world.Form(); }
  testing::NotedEvents& events() { return world.Events(); }

  World world;
};

TYPED_TEST_SUITE_P(PlayerFormContract);

// The window stands on the nearest whole pixel, and a write a slide's step
// (10 twips) away moves it at least a pixel however many twips a pixel is.
TYPED_TEST_P(PlayerFormContract, PlaceAndSizeReadBackInTwipsAsWritten) {
  PlayerForm& form = this->form();
  const float pixel = this->world.TwipsPerPixel();
  const float step = std::max(pixel, std::round(10 / pixel) * pixel);
  EXPECT_EQ(form.Width(), kFormWidth);
  EXPECT_EQ(form.Height(), kShortHeight);
  EXPECT_EQ(form.ScaleMode(), kScaleTwips);
  EXPECT_NE(form.IconHandle(), 0u);
  form.SetLeft(1500);
  form.SetTop(3000);
  EXPECT_EQ(form.Left(), 1500);
  EXPECT_EQ(form.Top(), 3000);
  form.SetLeft(1500 + 10);
  EXPECT_EQ(form.Left(), 1500 + step);
  form.SetTop(3000 - 10);
  EXPECT_EQ(form.Top(), 3000 - step);
  form.SetHeight(kTallHeight);
  EXPECT_EQ(form.Height(), kTallHeight);
  EXPECT_EQ(form.Width(), kFormWidth);
}

// Minimised and hidden it is in the tray: moved there, it stays hidden and
// comes back where it was moved to.
TYPED_TEST_P(PlayerFormContract, ShowsHidesMinimisesAndRestoresWhereItWasMoved) {
  PlayerForm& form = this->form();
  EXPECT_FALSE(form.Visible());
  this->world.ShowAndSettle();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Normal);
  form.SetState(WindowState::Minimized);
  EXPECT_EQ(form.State(), WindowState::Minimized);
  form.Hide();
  EXPECT_FALSE(form.Visible());
  const float left = form.Left(), top = form.Top();
  form.SetLeft(left + 180);
  form.SetTop(top + 180);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.State(), WindowState::Minimized);
  EXPECT_EQ(form.Left(), left + 180);

  form.SetState(WindowState::Normal);
  this->world.ShowAndSettle();
  EXPECT_EQ(form.State(), WindowState::Normal);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.Left(), left + 180);
  EXPECT_EQ(form.Top(), top + 180);
  EXPECT_EQ(form.Height(), kShortHeight);
}

TYPED_TEST_P(PlayerFormContract, CaptionsReadBackAsWritten) {
  PlayerForm& form = this->form();
  EXPECT_EQ(form.Caption(Control::Form), kFormTitle);
  EXPECT_EQ(form.Caption(Control::Label3), "\xC3\x97");
  EXPECT_EQ(form.Caption(Control::lbpause), ";");
  EXPECT_EQ(form.Caption(Control::Label10), "");
  form.SetCaption(Control::lbpause, "4");
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  EXPECT_EQ(form.Caption(Control::Label10), "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::Dir1), "") << "no label: nothing, and no harm";
}

// Sorted as a list box sorts, letter case not counting; a folder named like
// a track is no track.
TYPED_TEST_P(PlayerFormContract, FileListHoldsTheMp3NamesSortedAndSelectsWithoutADoubleClick) {
  PlayerForm& form = this->form();
  const std::string folder = this->world.StageFolder(
      {"b.mp3", "A.MP3", "c.mp3x", "notes.txt", "\xC3\xA9t\xC3\xA9.Mp3", "folder.mp3\\"});
  form.SetFileListPath(folder);
  ASSERT_EQ(form.FileCount(), 3);
  EXPECT_EQ(form.SelectedIndex(), -1);
  EXPECT_EQ(form.SelectedFileName(), "");
  std::vector<std::string> names;
  for (int i = 0; i < 3; ++i) {
    form.SetSelectedIndex(i);
    names.push_back(form.SelectedFileName());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A.MP3", "b.mp3", "\xC3\xA9t\xC3\xA9.Mp3"}));
  form.SetSelectedIndex(1);
  form.SetSelectedIndex(7);
  EXPECT_EQ(form.SelectedIndex(), 1) << "beyond the list: the selection stays";
  EXPECT_EQ(this->events().Count("DblClick"), 0);
  form.SetSelectedIndex(-1);
  EXPECT_EQ(form.SelectedIndex(), -1);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetFileListPath(folder + "\\missing");
  EXPECT_EQ(form.FileCount(), 0);
}

// A click on a file selects it; a double-click is the list's double-click
// and nothing else; Return there plays nothing.
TYPED_TEST_P(PlayerFormContract, ADoubleClickOnAFileIsTheListsDoubleClickAndAClickOnlySelects) {
  PlayerForm& form = this->form();
  form.SetFileListPath(this->world.StageFolder({"one.mp3", "two.mp3"}));
  this->world.ShowAndSettle();
  const std::size_t from = this->events().events.size();
  this->world.Press(Control::File1, 150, 90, 1);
  this->world.Release(Control::File1, 150, 90, 1);
  EXPECT_EQ(form.SelectedFileName(), "one.mp3");
  this->world.ReturnInFileList();
  EXPECT_EQ(form.SelectedIndex(), 0);
  EXPECT_EQ(this->events().Since(from), std::vector<std::string>{});
  // Away from the click, or the two would make a double-click of their own.
  this->world.DoubleClick(Control::File1, 900, 90);
  EXPECT_EQ(this->events().Since(from), std::vector<std::string>{"DblClick File1"});
  EXPECT_EQ(form.SelectedIndex(), 0);
}

TYPED_TEST_P(PlayerFormContract, DirPathChangesOnceToAnotherFolderThatExists) {
  PlayerForm& form = this->form();
  const std::string base = this->world.StageFolder({"alpha\\", "Zed\\"});
  form.SetDirPath(base + "\\");
  EXPECT_EQ(form.DirPath(), base) << "no trailing separator";
  EXPECT_EQ(this->events().Since(0), std::vector<std::string>{"Change Dir1"});
  form.SetDirPath(base);
  EXPECT_EQ(this->events().Count("Change"), 1) << "the same folder is no change";
  form.SetDirPath(base + "\\nowhere");
  EXPECT_EQ(form.DirPath(), base);
  EXPECT_EQ(this->events().Count("Change"), 1);
  form.SetDirPath("C:/");
  EXPECT_EQ(form.DirPath(), "C:\\");
  EXPECT_EQ(this->events().Count("Change"), 2);
}

TYPED_TEST_P(PlayerFormContract, TheDirectoryListOpensTheChosenFolderOnReturnOrADoubleClick) {
  PlayerForm& form = this->form();
  const std::string base = this->world.StageFolder({"Inner\\", "Inner\\Deeper\\"});
  form.SetDirPath(base);
  form.SetHeight(kTallHeight);
  this->world.ShowAndSettle();
  const int changes = this->events().Count("Change");
  this->world.OpenInDirList("Inner", false);
  EXPECT_EQ(form.DirPath(), base + "\\Inner");
  EXPECT_EQ(this->events().Count("Change"), changes + 1);
  this->world.OpenInDirList("Inner", false);
  EXPECT_EQ(this->events().Count("Change"), changes + 1) << "the folder already shown";
  this->world.OpenInDirList("Deeper", true);
  EXPECT_EQ(form.DirPath(), base + "\\Inner\\Deeper");
  EXPECT_EQ(this->events().Count("Change"), changes + 2);
  EXPECT_EQ(this->events().events.back().what, "Change");
}

// The position is inside the control the event is for; while a button is
// held, everything goes to the control it was pressed on.
TYPED_TEST_P(PlayerFormContract, PointerEventsReachTheControlUnderThePointerInTwips) {
  this->world.ShowAndSettle();
  testing::NotedEvents& events = this->events();
  this->world.Move(Control::Label10, 60, 60);
  auto last = events.events.back();
  EXPECT_EQ(last.what, "MouseMove");
  EXPECT_EQ(last.control, Control::Label10);
  EXPECT_EQ(last.pointer.x, 60);
  EXPECT_EQ(last.pointer.y, 60);
  EXPECT_FALSE(last.pointer.trayIcon);

  // A list reports from inside the frame the window draws around it.
  this->world.Move(Control::File1, 60, 120);
  last = events.events.back();
  EXPECT_EQ(last.control, Control::File1);
  EXPECT_NEAR(last.pointer.x, 60, this->world.TwipsPerPixel());
  EXPECT_NEAR(last.pointer.y, 120, this->world.TwipsPerPixel());

  this->world.Press(Control::Label1, 180, 60, 1);
  last = events.events.back();
  EXPECT_EQ(last.what, "MouseDown");
  EXPECT_EQ(last.control, Control::Label1);
  EXPECT_EQ(last.pointer.buttons, 1);
  EXPECT_EQ(last.pointer.x, 180);
  // Dragged down over the file list and out of the window.
  const float below = LayoutOf(Control::File1).top - LayoutOf(Control::Label1).top;
  for (const float y : {120.0f, 2400.0f}) {
    this->world.Move(Control::File1, 180, y);
    last = events.events.back();
    EXPECT_EQ(last.what, "MouseMove");
    EXPECT_EQ(last.control, Control::Label1);
    EXPECT_EQ(last.pointer.buttons, 1);
    EXPECT_EQ(last.pointer.y, below + y);
  }
  this->world.Release(Control::File1, 180, 2400, 1);
  EXPECT_EQ(events.Count("Click"), 0) << "released away from the title";
  this->world.Move(Control::Label10, 60, 60);
  EXPECT_EQ(events.events.back().control, Control::Label10) << "let go";
}

// A left press and release on one label is its click, and a double-click two
// of them: the window takes no double-clicks of its own.
TYPED_TEST_P(PlayerFormContract, AClickIsALeftPressAndReleaseOnOneLabel) {
  this->world.ShowAndSettle();
  const std::size_t from = this->events().events.size();
  this->world.Press(Control::Label3, 30, 30, 1);
  this->world.Release(Control::Label3, 45, 30, 1);
  this->world.Press(Control::Label5, 30, 30, 1);
  this->world.Release(Control::Label4, 30, 30, 1);
  this->world.Press(Control::Label5, 30, 30, 2);
  this->world.Release(Control::Label5, 30, 30, 2);
  this->world.DoubleClick(Control::lbplay, 60, 60);
  EXPECT_EQ(this->events().Since(from),
            (std::vector<std::string>{"MouseDown Label3", "Click Label3", "MouseDown Label5",
                                      "MouseDown Label5", "MouseDown lbplay", "Click lbplay",
                                      "MouseDown lbplay", "Click lbplay"}));
  EXPECT_EQ(this->events().Last("MouseDown").pointer.x, 60);
}

// The tray icon reports as a pointer move of the window itself, marked, whose
// x in pixels is the mouse message, even where the window has a label at that
// x; a real move there is no report.
TYPED_TEST_P(PlayerFormContract, TrayIconReportsReachTheWindowItselfAtAnyWidth) {
  this->world.ShowAndSettle();
  const float twipsPerPixel = this->world.TwipsPerPixel();
  for (const int message : {0x0202, 0x0203, 0x0205}) {
    SCOPED_TRACE(message);
    this->world.TrayIconReport(message);
    auto last = this->events().events.back();
    ASSERT_EQ(last.what, "MouseMove");
    EXPECT_EQ(last.control, Control::Form);
    EXPECT_TRUE(last.pointer.trayIcon);
    EXPECT_EQ(last.pointer.x, static_cast<float>(message) * twipsPerPixel);
    // A fresh point each time: a move to where the pointer is reports nothing.
    this->world.Move(Control::Label1, 150 + 30 * static_cast<float>(message - 0x0200), 30);
    EXPECT_FALSE(this->events().events.back().pointer.trayIcon);
  }
}

// Unload raises Unload; the handler ends the program, and where it does not
// the window is gone. The system's close is an Unload too, once.
TYPED_TEST_P(PlayerFormContract, UnloadAndTheSystemsCloseRaiseUnloadOnce) {
  PlayerForm& form = this->form();
  form.SetFileListPath(this->world.StageFolder({"one.mp3"}));
  form.SetSelectedIndex(0);
  this->world.ShowAndSettle();
  this->world.Close();
  EXPECT_EQ(this->events().Count("Unload"), 1);
  this->world.Close();
  form.Unload();
  EXPECT_EQ(this->events().Count("Unload"), 1);
  EXPECT_EQ(form.Handle(), kNoWindow);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.FileCount(), 0);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetHeight(kTallHeight);
  form.SetLeft(1500);
  form.SetCaption(Control::Label10, "gone");
  EXPECT_EQ(form.Caption(Control::Label10), "gone");
}

REGISTER_TYPED_TEST_SUITE_P(PlayerFormContract, PlaceAndSizeReadBackInTwipsAsWritten,
                            ShowsHidesMinimisesAndRestoresWhereItWasMoved,
                            CaptionsReadBackAsWritten,
                            FileListHoldsTheMp3NamesSortedAndSelectsWithoutADoubleClick,
                            ADoubleClickOnAFileIsTheListsDoubleClickAndAClickOnlySelects,
                            DirPathChangesOnceToAnotherFolderThatExists,
                            TheDirectoryListOpensTheChosenFolderOnReturnOrADoubleClick,
                            PointerEventsReachTheControlUnderThePointerInTwips,
                            AClickIsALeftPressAndReleaseOnOneLabel,
                            TrayIconReportsReachTheWindowItselfAtAnyWidth,
                            UnloadAndTheSystemsCloseRaiseUnloadOnce);

}  // namespace jukett
