#include "player/folder_paths.h"

#include <algorithm>

#include "util/text.h"

namespace jukett {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the root of a tidy path, separator included: "C:\" is 3,
// "\\server\share\" its whole length, "\" is 1; 0 for a relative path.
std::size_t RootLength(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') {
    return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
  }
  if (path.starts_with("\\\\")) {
    const std::size_t server = path.find('\\', 2);
    if (server == std::string_view::npos) return path.size();
    const std::size_t share = path.find('\\', server + 1);
    return share == std::string_view::npos ? path.size() : share + 1;
  }
  return path.starts_with('\\') ? 1 : 0;
}

}  // namespace

std::string TidyFolderPath(std::string_view path) {
  std::string tidy;
  tidy.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = IsSeparator(path[i]) ? '\\' : path[i];
    // Runs of separators fold into one, except the two that open a network path.
    if (c == '\\' && !tidy.empty() && tidy.back() == '\\' && i > 1) continue;
    tidy.push_back(c);
  }
  const std::size_t root = RootLength(tidy);
  while (tidy.size() > root && tidy.back() == '\\') tidy.pop_back();
  // A network root keeps the separator after its share, as a drive root does;
  // a server named without a share ends in one already.
  if (tidy.starts_with("\\\\") && RootLength(tidy) == tidy.size() && tidy.back() != '\\' &&
      std::count(tidy.begin(), tidy.end(), '\\') == 3) {
    tidy.push_back('\\');
  }
  return tidy;
}

std::vector<std::string> FolderChain(std::string_view path) {
  std::vector<std::string> chain;
  const std::string tidy = TidyFolderPath(path);
  const std::size_t root = RootLength(tidy);
  if (root > 0) chain.push_back(tidy.substr(0, root));
  std::size_t start = root;
  while (start < tidy.size()) {
    std::size_t end = tidy.find('\\', start);
    if (end == std::string::npos) end = tidy.size();
    chain.push_back(tidy.substr(0, end));
    start = end + 1;
  }
  return chain;
}

std::string FolderName(std::string_view path) {
  const std::string tidy = TidyFolderPath(path);
  const std::size_t root = RootLength(tidy);
  if (tidy.size() <= root) return tidy;
  return tidy.substr(tidy.find_last_of('\\') + 1);  // npos + 1 is 0: a relative name
}

bool IsMp3Name(std::string_view name) {
  return name.size() >= 4 && ToLowerAscii(name.substr(name.size() - 4)) == ".mp3";
}

}  // namespace jukett
