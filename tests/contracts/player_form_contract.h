// What the player's handlers rely on from the player window and the events
// it raises, stated once and run against the simulated window and the real
// one. A world gives a window made hidden, as the program makes it, notes
// what its handlers are told, and acts as the user:
//   struct World {
//     PlayerForm& Form();
//     NotedEvents& Events();
//     float TwipsPerPixel();  // the screen's
//     // A new folder holding `names` (one ending in "\" a folder); its path.
//     std::string StageFolder(const std::vector<std::string>& names);
//     void ShowAndSettle();
//     // The pointer at (x, y) twips inside `control`, as quickly as a user.
//     void Pointer(Control control, float x, float y, Input input);
//     void ReturnInFileList();  // on its selection
//     // The directory list's row of `folder` (inside the folder shown, or
//     // the folder shown) chosen, then Return or a double-click on it.
//     void OpenInDirList(std::string_view folder, bool byDoubleClick);
//     void TrayIconReport(int mouseMessage);  // from the icon of id 1
//     void Close();  // the system's close: Alt+F4, the task manager
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
enum class Input { Move, LeftDown, LeftUp, RightDown, RightUp, DoubleClick };

template <typename World>
class PlayerFormContract : public ::testing::Test {
 protected:
  void At(Control control, float x, float y, Input input) { world.Pointer(control, x, y, input); }
  std::vector<std::string> Since(std::size_t from) { return events().Since(from); }

  PlayerForm& form() { return world.Form(); }
  testing::NotedEvents& events() { return world.Events(); }

  World world;
};

TYPED_TEST_SUITE_P(PlayerFormContract);

// On the nearest whole pixel; a write a slide's step (10 twips) away moves
// it at least a pixel however many twips a pixel is.
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
  form.SetLeft(-1500);  // on a monitor left of the primary
  EXPECT_EQ(form.Left(), -1500);
  form.SetLeft(1500 + 10);
  form.SetTop(3000 - 10);
  EXPECT_EQ(form.Left(), 1500 + step);
  EXPECT_EQ(form.Top(), 3000 - step);
  form.SetHeight(kTallHeight);
  EXPECT_EQ(form.Height(), kTallHeight);
}

// Minimised and hidden it is in the tray: moved there, it stays hidden and
// comes back where it was moved to.
TYPED_TEST_P(PlayerFormContract, ShowsHidesMinimisesAndRestoresWhereItWasMoved) {
  PlayerForm& form = this->form();
  EXPECT_FALSE(form.Visible());
  this->world.ShowAndSettle();
  EXPECT_TRUE(form.Visible());
  form.SetState(WindowState::Minimized);
  EXPECT_EQ(form.State(), WindowState::Minimized);
  form.Hide();
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
  EXPECT_EQ(form.Caption(Control::Label10), "");
  form.SetCaption(Control::lbpause, "4");
  form.SetCaption(Control::Label10, "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::lbpause), "4");
  EXPECT_EQ(form.Caption(Control::Label10), "12 mp3's in this dir");
  EXPECT_EQ(form.Caption(Control::Dir1), "") << "no label: nothing, and no harm";
}

// In the system's word sort, as a sorted list box holds them: letter case
// and accents only tell otherwise equal names apart, hyphens and apostrophes
// count last, punctuation comes before digits and digits before letters. A
// folder named like a track is no track.
TYPED_TEST_P(PlayerFormContract, FileListHoldsTheMp3NamesSortedAndSelectsWithoutADoubleClick) {
  PlayerForm& form = this->form();
  // clang-format off
  const std::vector<std::string> sorted = {
      "(live).mp3", "~tilde.mp3", "1.mp3", "Apfel.mp3", "\xC3\x84rger.mp3", "Ete 2.mp3", "ete.mp3",
      "\xC3\xA9t\xC3\xA9.mp3", "oclock.mp3", "o'clock.mp3", "\xC3\x9F.mp3", "track 10.mp3",
      "track 2.mp3", "Track 9.mp3", "track_2.mp3", "track-2.mp3", "zebra b.mp3", "Zebra.MP3",
      "\xE6\x97\xA5\xE6\x9C\xAC.mp3"};
  // clang-format on
  std::vector<std::string> staged(sorted.rbegin(), sorted.rend());
  staged.insert(staged.end(), {"c.mp3x", "notes.txt", "folder.mp3\\"});
  const std::string folder = this->world.StageFolder(staged);
  form.SetFileListPath(folder);
  EXPECT_EQ(form.SelectedFileName(), "") << "nothing selected";
  std::vector<std::string> names;
  for (int i = 0; i < form.FileCount(); ++i) {
    form.SetSelectedIndex(i);
    names.push_back(form.SelectedFileName());
  }
  EXPECT_EQ(names, sorted);
  form.SetSelectedIndex(1);
  form.SetSelectedIndex(19);
  EXPECT_EQ(form.SelectedIndex(), 1) << "beyond the list: the selection stays";
  EXPECT_EQ(this->events().Count("DblClick"), 0);
  form.SetSelectedIndex(-1);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetFileListPath(folder + "\\missing");
  EXPECT_EQ(form.FileCount(), 0);
}

// A click on a file selects it and Return plays nothing: only a
// double-click is the list's double-click.
TYPED_TEST_P(PlayerFormContract, ADoubleClickOnAFileIsTheListsDoubleClickAndAClickOnlySelects) {
  this->form().SetFileListPath(this->world.StageFolder({"one.mp3", "two.mp3"}));
  this->world.ShowAndSettle();
  const std::size_t from = this->events().events.size();
  this->At(Control::File1, 150, 90, Input::LeftDown);
  this->At(Control::File1, 150, 90, Input::LeftUp);
  EXPECT_EQ(this->form().SelectedFileName(), "one.mp3");
  this->world.ReturnInFileList();
  EXPECT_EQ(this->Since(from), std::vector<std::string>{});
  // Away from the click, or the two would make a double-click of their own.
  this->At(Control::File1, 900, 90, Input::DoubleClick);
  EXPECT_EQ(this->Since(from), std::vector<std::string>{"DblClick File1"});
  EXPECT_EQ(this->form().SelectedIndex(), 0);
}

TYPED_TEST_P(PlayerFormContract, DirPathChangesOnceToAnotherFolderThatExists) {
  PlayerForm& form = this->form();
  const std::string base = this->world.StageFolder({"alpha\\"});
  form.SetDirPath(base + "\\");
  EXPECT_EQ(form.DirPath(), base) << "no trailing separator";
  EXPECT_EQ(this->Since(0), std::vector<std::string>{"Change Dir1"});
  form.SetDirPath(base);
  form.SetDirPath(base + "\\nowhere");
  EXPECT_EQ(form.DirPath(), base);
  EXPECT_EQ(this->events().Count("Change"), 1) << "the same folder, or none, is no change";
  form.SetDirPath("C:/");
  EXPECT_EQ(form.DirPath(), "C:\\");
  EXPECT_EQ(this->events().Count("Change"), 2);
}

TYPED_TEST_P(PlayerFormContract, TheDirectoryListOpensTheChosenFolderOnReturnOrADoubleClick) {
  const std::string base = this->world.StageFolder({"Inner\\", "Inner\\Deeper\\"});
  this->form().SetDirPath(base);
  this->form().SetHeight(kTallHeight);
  this->world.ShowAndSettle();
  const std::size_t from = this->events().events.size();
  this->world.OpenInDirList("Inner", false);
  EXPECT_EQ(this->form().DirPath(), base + "\\Inner");
  this->world.OpenInDirList("Inner", false);  // the folder already shown
  this->world.OpenInDirList("Deeper", true);
  EXPECT_EQ(this->form().DirPath(), base + "\\Inner\\Deeper");
  EXPECT_EQ(this->Since(from), (std::vector<std::string>{"Change Dir1", "Change Dir1"}));
}

// The position is inside the control the event is for; while a button is
// held, everything goes to the control it was pressed on.
TYPED_TEST_P(PlayerFormContract, PointerEventsReachTheControlUnderThePointerInTwips) {
  this->world.ShowAndSettle();
  this->At(Control::Label10, 60, 60, Input::Move);
  EXPECT_EQ(this->events().Last(), "MouseMove Label10 60,60 0");
  // A list measures from inside the one-pixel frame the window draws round it.
  this->At(Control::File1, 60, 120, Input::Move);
  const Pointer inList = this->events().events.back().pointer;
  EXPECT_EQ(this->events().events.back().control, Control::File1);
  EXPECT_EQ(inList.x, 60 - this->world.TwipsPerPixel());
  EXPECT_EQ(inList.y, 120 - this->world.TwipsPerPixel());

  this->At(Control::Label1, 180, 60, Input::LeftDown);
  EXPECT_EQ(this->events().Last(), "MouseDown Label1 180,60 1");
  // Dragged over the file list and out of the window, still measured from
  // the title's corner (the list's is 120 twips left of it and 360 below).
  this->At(Control::File1, 180, 120, Input::Move);
  EXPECT_EQ(this->events().Last(), "MouseMove Label1 60,480 1");
  this->At(Control::File1, 180, 2400, Input::Move);
  EXPECT_EQ(this->events().Last(), "MouseMove Label1 60,2760 1");
  this->At(Control::File1, 180, 2400, Input::LeftUp);
  EXPECT_EQ(this->events().Count("Click"), 0) << "released away from the title";
  this->At(Control::Label10, 60, 60, Input::Move);
  EXPECT_EQ(this->events().Last(), "MouseMove Label10 60,60 0") << "let go";
}

// A left press and release on one label is its click, and a double-click two
// of them: the window takes no double-clicks of its own.
TYPED_TEST_P(PlayerFormContract, AClickIsALeftPressAndReleaseOnOneLabel) {
  this->world.ShowAndSettle();
  const std::size_t from = this->events().events.size();
  this->At(Control::Label3, 30, 30, Input::LeftDown);
  this->At(Control::Label3, 45, 30, Input::LeftUp);
  this->At(Control::Label5, 30, 30, Input::LeftDown);
  this->At(Control::Label4, 30, 30, Input::LeftUp);
  this->At(Control::Label5, 30, 30, Input::RightDown);
  this->At(Control::Label5, 30, 30, Input::RightUp);
  this->At(Control::lbplay, 60, 60, Input::DoubleClick);
  EXPECT_EQ(this->Since(from),
            (std::vector<std::string>{"MouseDown Label3", "Click Label3", "MouseDown Label5",
                                      "MouseDown Label5", "MouseDown lbplay", "Click lbplay",
                                      "MouseDown lbplay", "Click lbplay"}));
}

// The tray icon reports as a pointer move of the window itself, marked, whose
// x in pixels is the mouse message, even where the window has a label at that
// x; a real move there is no report.
TYPED_TEST_P(PlayerFormContract, TrayIconReportsReachTheWindowItselfAtAnyWidth) {
  this->world.ShowAndSettle();
  for (const int message : {0x0202, 0x0203, 0x0205}) {
    SCOPED_TRACE(message);
    this->world.TrayIconReport(message);  // from the icon of id 1: the left button held
    const int x = static_cast<int>(static_cast<float>(message) * this->world.TwipsPerPixel());
    EXPECT_EQ(this->events().Last(), "MouseMove  " + std::to_string(x) + ",0 1 tray");
    // A fresh point each time: a move to where the pointer is reports nothing.
    this->At(Control::Label1, 150 + 30 * static_cast<float>(message - 0x0200), 30, Input::Move);
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
  this->world.Close();
  form.Unload();
  EXPECT_EQ(this->events().Count("Unload"), 1);
  EXPECT_EQ(form.Handle(), kNoWindow);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.FileCount(), 0);
  EXPECT_EQ(form.SelectedFileName(), "");
  form.SetHeight(kTallHeight);
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
