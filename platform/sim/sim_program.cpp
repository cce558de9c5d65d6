#include "platform/sim/sim_program.h"

#include <algorithm>
#include <utility>

namespace jukett::sim {

void ClientProgram::QueueInput(double at, Window window, std::string text) {
  input_.emplace(at, Typed{window, std::move(text)});
}

bool ClientProgram::Stuck(double now) const {
  return unit_ && !unit_->withdrawn && (!unit_->steps.empty() || unit_->answeredAt > now);
}

std::shared_ptr<Unit> ClientProgram::Send(std::vector<Message> steps, double now, double giveUp) {
  unit_ = std::make_shared<Unit>();
  unit_->giveUp = giveUp;
  unit_->steps.assign(std::make_move_iterator(steps.begin()), std::make_move_iterator(steps.end()));
  unit_->frontSentAt = now;
  if (unit_->steps.empty()) unit_->answeredAt = now;
  return unit_;
}

double ClientProgram::StepMoment() const {
  if (!unit_ || unit_->steps.empty()) return kNever;
  const double pickUp = std::max(unit_->frontSentAt, FreeFrom());
  return std::min(pickUp, unit_->frontSentAt + unit_->giveUp);
}

double ClientProgram::InputMoment(double before) const {
  // Input that came before `before` counts, however long the program then
  // takes to get to it.
  if (input_.empty() || input_.begin()->first >= before) return kNever;
  return std::max(input_.begin()->first, FreeFrom());
}

bool ClientProgram::InputBeforeStep() const {
  return !input_.empty() && input_.begin()->first < unit_->frontSentAt &&
         unit_->frontSentAt >= FreeFrom();
}

double ClientProgram::NextMoment(double inputBefore) const {
  return std::min(StepMoment(), InputMoment(inputBefore));
}

void ClientProgram::RunNext(const Deliver& deliver, const Type& type, double inputBefore) {
  const double step = StepMoment();
  const double typed = InputMoment(inputBefore);
  if (step == kNever && typed == kNever) return;
  if (step < typed || (step == typed && !InputBeforeStep())) {
    if (step < std::max(unit_->frontSentAt, FreeFrom())) {
      unit_->withdrawn = true;
      unit_->steps.clear();
      return;
    }
    unit_->answers.push_back(deliver(unit_->steps.front()));
    unit_->steps.pop_front();
    freeAt_ = step + answerDelay_;
    unit_->frontSentAt = freeAt_;
    if (unit_->steps.empty()) unit_->answeredAt = freeAt_;
    return;
  }
  const bool amid = unit_ && unit_->guardsUserText && !unit_->withdrawn &&
                    (!unit_->steps.empty() || input_.begin()->first < unit_->answeredAt);
  readAmidUnits_ += amid ? 1 : 0;
  const Typed next = std::move(input_.begin()->second);
  input_.erase(input_.begin());
  freeAt_ = typed;
  type(next.window, next.text);
}

void ClientProgram::CutOff() {
  if (unit_) unit_->steps.clear();
}

}  // namespace jukett::sim
