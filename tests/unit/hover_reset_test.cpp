#include "player/hover_reset.h"

#include "tests/unit/player_fixture.h"

namespace jukett::sim {
namespace {

class HoverReset : public PlayerTest {
 protected:
  HoverReset() {
    Start();
    form.SetDirPath("C:\\Music\\Empty");
    for (Control label : kResetSet) form.SetForeColor(label, 0x000000FF);
  }
  bool CountRefreshed() { return form.Caption(Control::Label10) == "0 mp3's in this dir"; }
  bool ColorsReset() {
    for (Control label : kResetSet) {
      if (form.ForeColor(label) != 0) return false;
    }
    return true;
  }

  static constexpr Control kResetSet[] = {Control::Label4,  Control::Label10, Control::lbplay,
                                          Control::lbpause, Control::lbstop,  Control::lbfoward,
                                          Control::lbback};
};

TEST_F(HoverReset, EachControlRunsItsOwnSteps) {
  struct Case {
    Control control;
    bool colors;
    bool count;
  };
  const Case cases[] = {
      {Control::Form, true, true},     {Control::Dir1, false, true},
      {Control::File1, false, true},   {Control::Label3, false, true},
      {Control::Label4, true, true},   {Control::Label10, true, false},
      {Control::lbback, true, true},   {Control::lbfoward, true, false},
      {Control::lbpause, true, true},  {Control::lbplay, true, true},
      {Control::lbstop, true, true},   {Control::Label1, false, false},
      {Control::Label2, false, false}, {Control::Label5, false, false},
  };
  for (const Case& c : cases) {
    for (Control label : kResetSet) form.SetForeColor(label, 0x000000FF);
    form.SetCaption(Control::Label10, "stale");
    frm.MouseMove(c.control, {});
    EXPECT_EQ(ColorsReset(), c.colors) << static_cast<int>(c.control);
    EXPECT_EQ(CountRefreshed(), c.count) << static_cast<int>(c.control);
  }
}

TEST_F(HoverReset, ARepaintRefreshesTheCountOnly) {
  frm.Paint();
  EXPECT_TRUE(CountRefreshed());
  EXPECT_FALSE(ColorsReset());
}

}  // namespace
}  // namespace jukett::sim
