#include "chathost/announcer.h"

#include "chathost/announcements.h"
#include "chathost/chat_sender.h"
#include "chathost/host_identity.h"
#include "util/timed_wait.h"

namespace jukett {
namespace {

constexpr double kBetweenLines = 0.6;
constexpr double kBeforeEnding = 0.4;

}  // namespace

void AnnounceStartUp(const HostPorts& host, Clock& clock) {
  SendChat(host, StatusAnnouncement(PlayerStatus::On));
  WaitSeconds(clock, host.events, kBetweenLines);
  const std::string screenName = HostScreenName(host);
  const std::string version = HostVersion(host.windows);
  SendChat(host, IdentityAnnouncement(screenName, version));
}

void AnnounceDirHidden(const HostPorts& host, Clock& clock,
                       const std::function<std::size_t()>& fileCount) {
  SendChat(host, StatusAnnouncement(PlayerStatus::DirHidden));
  WaitSeconds(clock, host.events, kBetweenLines);
  SendChat(host, CountAnnouncement(fileCount()));
}

void AnnounceOff(const HostPorts& host, Clock& clock) {
  SendChat(host, StatusAnnouncement(PlayerStatus::Off));
  WaitSeconds(clock, host.events, kBeforeEnding);
}

}  // namespace jukett
