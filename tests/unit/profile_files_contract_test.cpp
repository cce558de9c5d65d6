// The profile files contract against the simulated file system.
#include "tests/contracts/profile_files_contract.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/sim/sim_profile_files.h"

namespace jukett {
namespace {

struct SimProfilesWorld {
  SimProfilesWorld() { files.AddDirectory(kFolder); }

  ProfileFiles& Profiles() { return profiles; }
  std::string File(std::string_view name) {
    return std::string(kFolder) + "\\" + std::string(name);
  }
  void Store(const std::string& file, std::string_view bytes) {
    files.AddFile(file, std::string(bytes));
  }
  std::optional<std::string> Load(const std::string& file) { return files.ReadFile(file); }
  void Hold(const std::string& file, bool sharing) {
    files.SetHold(
        file, sharing ? sim::SimFileSystem::Hold::kSharing : sim::SimFileSystem::Hold::kExclusive);
  }
  bool DenyReading(const std::string& file) {
    files.SetReadDenied(file, true);
    return true;
  }
  bool DenyWriting(const std::string&) {
    files.SetReadOnly(kFolder, true);
    return true;
  }
  void RefuseNewFiles(const std::string&) { files.SetNoNewFiles(kFolder, true); }
  void Release(const std::string& file) {
    files.SetHold(file, sim::SimFileSystem::Hold::kNone);
    files.SetReadDenied(file, false);
    files.SetNoNewFiles(kFolder, false);
    files.SetReadOnly(kFolder, false);
  }

  static constexpr std::string_view kFolder = "C:\\Program Files\\juKett";
  sim::SimFileSystem files;
  sim::SimProfileFiles profiles{files};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Sim, ProfileFilesContract, SimProfilesWorld);

}  // namespace
}  // namespace jukett
