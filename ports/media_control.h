#pragma once

#include <string>
#include <string_view>

namespace jukett {

// The media control interface: string commands to named devices, and the
// file system's short names that keep blanks out of those commands. Texts are
// UTF-8 here; the platform side carries any file name the file system holds.
class MediaControl {
 public:
  virtual ~MediaControl() = default;

  // Sends one command string; true when the device carried it out. The
  // program acts on the answers to open, pause, resume and stop: any other
  // command may fail without harm.
  virtual bool SendCommand(std::string_view command) = 0;
  // The short (8.3) form of an existing path, whole however long it is;
  // empty when the path does not exist.
  virtual std::string ShortPath(std::string_view path) = 0;
};

}  // namespace jukett
