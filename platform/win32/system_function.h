#pragma once

#include <windows.h>

#include <string>

namespace jukett::win32 {

// A function of a Windows system library, found at its first use: the
// library is loaded then, from the system folder, not when the program
// starts. Null when the library or the function is missing.
template <typename Function>
class SystemFunction {
 public:
  SystemFunction(const wchar_t* library, const char* name) : library_(library), name_(name) {}

  Function Get() {
    if (!looked_) {
      looked_ = true;
      function_ = Find();
    }
    return function_;
  }

 private:
  Function Find() const {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const HMODULE module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library_).c_str());
    if (!module) return nullptr;
    // Through the plain function type, which converts to any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name_)));
  }

  const wchar_t* library_;
  const char* name_;
  bool looked_ = false;
  Function function_ = nullptr;
};

}  // namespace jukett::win32
