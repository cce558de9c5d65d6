#include "platform/sim/sim_shell.h"

#include <algorithm>

namespace jukett::sim {
namespace {

bool SameIcon(const IconRecord& a, const IconRecord& b) {
  return a.hWnd == b.hWnd && a.uID == b.uID;
}

}  // namespace

bool SimTray::Add(const IconRecord& record) {
  calls_.push_back(Call::Add);
  const bool taken = std::any_of(icons_.begin(), icons_.end(),
                                 [&](const IconRecord& icon) { return SameIcon(icon, record); });
  if (refuse_ || taken) return false;
  icons_.push_back(record);
  return true;
}

void SimTray::Delete(const IconRecord& record) {
  calls_.push_back(Call::Delete);
  std::erase_if(icons_, [&](const IconRecord& icon) { return SameIcon(icon, record); });
}

void SimProcess::End() {
  ++ends_;
  if (ending_) ending_();
  throw ProcessEnded{};
}

}  // namespace jukett::sim
