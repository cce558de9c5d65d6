#include "platform/sim/sim_shell.h"

#include <algorithm>
#include <cstring>

namespace jukett::sim {
namespace {

bool SameIcon(const IconRecord& a, const IconRecord& b) {
  return a.hWnd == b.hWnd && a.uID == b.uID;
}

bool Holds(const std::vector<IconRecord>& icons, const IconRecord& record) {
  return std::any_of(icons.begin(), icons.end(),
                     [&](const IconRecord& icon) { return SameIcon(icon, record); });
}

}  // namespace

bool SimTray::Add(const IconRecord& record) {
  calls_.push_back(Call::Add);
  if (refuse_ || Holds(icons_, record)) return false;
  icons_.push_back(record);
  return true;
}

void SimTray::Delete(const IconRecord& record) {
  calls_.push_back(Call::Delete);
  std::erase_if(icons_, [&](const IconRecord& icon) { return SameIcon(icon, record); });
}

std::vector<std::string> SimTray::Tips() const {
  std::vector<std::string> tips;
  for (const IconRecord& icon : icons_) tips.emplace_back(icon.szTip, strnlen(icon.szTip, 64));
  return tips;
}

bool SimTray::Click(std::initializer_list<std::uint32_t> messages) {
  if (icons_.empty()) return false;
  const IconRecord icon = icons_.front();
  for (const std::uint32_t message : messages) {
    if (!Holds(icons_, icon)) break;  // taken away at the report before
    const auto receiver = receivers_.find(icon.hWnd);
    if (receiver != receivers_.end()) receiver->second(icon.uID, message);
  }
  return true;
}

void SimProcess::End() {
  ++ends_;
  if (ending_) ending_();
  throw ProcessEnded{};
}

}  // namespace jukett::sim
