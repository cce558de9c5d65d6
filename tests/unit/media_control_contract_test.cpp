// The media control contract against the simulated device.
#include "tests/contracts/media_control_contract.h"

#include <string>
#include <string_view>

#include "platform/sim/sim_media_control.h"

namespace jukett {
namespace {

struct SimMediaWorld {
  MediaControl& Media() { return media; }
  std::string AddTrack(std::string_view name) {
    const std::string path = MissingTrack(name);
    files.AddFile(path, "tone");
    return path;
  }
  std::string MissingTrack(std::string_view name) { return "C:\\My Music\\" + std::string(name); }

  sim::SimFileSystem files;
  sim::SimMediaControl media{files};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, MediaControlContract, SimMediaWorld);

}  // namespace
}  // namespace jukett
