#pragma once

#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ports/host_windows.h"

namespace jukett::sim {

inline constexpr double kNever = std::numeric_limits<double>::infinity();

enum class MessageKind { GetTextLength, GetText, SetText, Char, ReadMenuBar };
struct Message {
  MessageKind kind;
  Window window;
  std::string text;  // the text set, or the character delivered
  int capacity = 0;  // for a read of the text: the buffer's size
  // A Unicode message, with every character; the others carry the code page's.
  bool wide = false;
};

// Messages the player sent another program as one unit, in order. Each step
// goes when the one before has been answered, as a helper thread sends them.
struct Unit {
  std::deque<Message> steps;  // not yet picked up
  std::vector<std::string> answers;
  double frontSentAt = 0.0;
  double answeredAt = kNever;  // once the last step has been answered
  // How long the helper waits for each answer before it withdraws it: a
  // lone message is given up, a unit of edits is seen through.
  double giveUp = kNever;
  bool withdrawn = false;
  // A read of the user's text or a unit of edits: typing the program gets
  // while it is on its way may be overwritten, or go out with a line.
  bool guardsUserText = false;
};

// A program of the desktop as its windows' thread meets messages: it works on
// its own for a while (or for good, when hung), takes a time to handle each
// message sent to it, and between those reads its queued input, such as the
// user's typing. Sent messages waiting come before queued input, as the
// platform's message retrieval has it; but input that comes while the
// program handles one step of a unit is read before the next step. A sent
// message nobody picked up by the sender's timeout is withdrawn; one already
// picked up runs to its end.
class ClientProgram {
 public:
  using Deliver = std::function<std::string(const Message&)>;
  using Type = std::function<void(Window, const std::string&)>;

  // How long the helper thread waits for the answer to a lone message
  // before it withdraws it.
  static constexpr double kGiveUp = 60.0;

  void SetAnswerDelay(double seconds) { answerDelay_ = seconds; }
  void BusyUntil(double moment) { busyUntil_ = moment; }
  void QueueInput(double at, Window window, std::string text);

  // A unit is still on its way at `now`: the player's helper has not let go.
  bool Stuck(double now) const;
  // When the unit on its way will have been answered, once that is known.
  double UnitAnsweredAt() const { return unit_ ? unit_->answeredAt : kNever; }
  std::shared_ptr<Unit> Send(std::vector<Message> steps, double now, double giveUp);
  // A unit of more than one message is on its way: lone messages left
  // unanswered change nothing by arriving.
  bool EditsOnTheWay(double now) const { return Stuck(now) && unit_->giveUp == kNever; }
  // The moment of the next thing this program does, counting input only
  // when it comes before `inputBefore`; kNever when none.
  double NextMoment(double inputBefore = kNever) const;
  // Does the thing due at NextMoment(inputBefore).
  void RunNext(const Deliver& deliver, const Type& type, double inputBefore = kNever);
  // The sender's process ended: what was not picked up never arrives.
  void CutOff();
  bool HasQueuedInput() const { return !input_.empty(); }
  // How often input was read that came while a read of the user's text or
  // a unit of edits was on its way.
  int InputReadAmidUnits() const { return readAmidUnits_; }

 private:
  struct Typed {
    Window window;
    std::string text;
  };
  double FreeFrom() const { return std::max(freeAt_, busyUntil_); }
  double StepMoment() const;
  double InputMoment(double before) const;
  // The step goes out as the program becomes free, and input came before
  // it: the helper sends each further step only once the answer to the one
  // before has reached it, and the program reads the input it got meanwhile
  // first. A step waiting while the program was busy comes before input.
  bool InputBeforeStep() const;

  double answerDelay_ = 0.0;
  double busyUntil_ = -kNever;
  double freeAt_ = -kNever;
  std::shared_ptr<Unit> unit_;
  std::multimap<double, Typed> input_;
  int readAmidUnits_ = 0;
};

}  // namespace jukett::sim
