#include "player/frm_jukett.h"

#include "playback/mp3_play.h"
#include "player/hover_reset.h"
#include "player/lifecycle.h"
#include "player/sys_tray.h"
#include "player/track_list.h"
#include "player/transport.h"

namespace jukett {

void frmJUKETT::Load() { iconRecord_ = StartUp(ports_); }

void frmJUKETT::Unload() { ShutDown(ports_, dirChanged_); }

void frmJUKETT::Paint() { UpdateCountLabel(ports_.form); }

void frmJUKETT::MouseDown(Control control, const Pointer& pointer) {
  if (control == Control::Label1) TakeHoldOfTitle(ports_, grab_, pointer);
}

void frmJUKETT::MouseMove(Control control, const Pointer& pointer) {
  if (control == Control::Label1) {
    DragByTitle(ports_.form, grab_, pointer);
    return;
  }
  ResetOnHover(ports_.form, control);
  if (control == Control::Form) {
    DecodeTrayEvent(ports_.form, ports_.screen, ports_.tray, iconRecord_, pointer);
  }
}

void frmJUKETT::Click(Control control) {
  switch (control) {
    case Control::lbback:
      return PlayPreviousTrack(ports_);
    case Control::lbstop:
      return StopSelectedTrack(ports_);
    case Control::lbplay:
      return PlaySelectedTrack(ports_);
    case Control::lbpause:
      return PauseOrResumeTrack(ports_);
    case Control::lbfoward:
      return PlayNextTrack(ports_);
    case Control::Label2:
      return MinimizeToTray(ports_, iconRecord_);
    case Control::Label3:
      return SwitchOff(ports_, iconRecord_);
    case Control::Label4:
      return ToggleMute(ports_);
    case Control::Label5:
      return ToggleDirPanel(ports_);
    default:
      return;
  }
}

void frmJUKETT::DblClick(Control control) {
  if (control == Control::File1) PlayDoubleClickedTrack(ports_);
}

void frmJUKETT::Change(Control control) {
  if (control != Control::Dir1) return;
  FollowDirectory(ports_.form);
  dirChanged_ = true;
}

void frmJUKETT::TaskbarCreated() { ReAddTrayIcon(ports_, iconRecord_); }

// Each key is its button's click. Play/Pause pauses or resumes the track the
// device holds open, and plays the selected one when it holds none.
void frmJUKETT::MediaKeyPressed(MediaKey key) {
  switch (key) {
    case MediaKey::PlayPause:
      return Click(TrackOpen(ports_.media) ? Control::lbpause : Control::lbplay);
    case MediaKey::Stop:
      return Click(Control::lbstop);
    case MediaKey::NextTrack:
      return Click(Control::lbfoward);
    case MediaKey::PreviousTrack:
      return Click(Control::lbback);
  }
}

// As the tray icon's click brings it back: shown, in front, no icon left.
void frmJUKETT::StartedAgain() { RestoreFromTray(ports_.form, ports_.tray, iconRecord_); }

}  // namespace jukett
