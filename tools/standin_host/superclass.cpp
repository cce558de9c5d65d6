#include "tools/standin_host/superclass.h"

namespace jukett::standin {
namespace {

// The class calls of one character set, so both register the same way.
struct AnsiClasses {
  using Info = WNDCLASSEXA;
  using Char = char;
  static BOOL Get(HINSTANCE instance, const Char* name, Info* info) {
    return GetClassInfoExA(instance, name, info);
  }
  static ATOM Register(const Info* info) { return RegisterClassExA(info); }
};

struct WideClasses {
  using Info = WNDCLASSEXW;
  using Char = wchar_t;
  static BOOL Get(HINSTANCE instance, const Char* name, Info* info) {
    return GetClassInfoExW(instance, name, info);
  }
  static ATOM Register(const Info* info) { return RegisterClassExW(info); }
};

template <typename Classes>
bool Superclass(HINSTANCE instance, HINSTANCE baseInstance, const typename Classes::Char* base,
                const typename Classes::Char* name, WNDPROC proc, WNDPROC& baseProc) {
  typename Classes::Info baseClass{};
  baseClass.cbSize = sizeof baseClass;
  if (!Classes::Get(baseInstance, base, &baseClass)) return false;
  baseProc = baseClass.lpfnWndProc;

  typename Classes::Info existing{};
  existing.cbSize = sizeof existing;
  if (Classes::Get(instance, name, &existing)) return true;

  typename Classes::Info superclass = baseClass;
  superclass.cbSize = sizeof superclass;
  superclass.lpfnWndProc = proc;
  superclass.hInstance = instance;
  superclass.lpszClassName = name;
  superclass.lpszMenuName = nullptr;
  // Kept local to this module: a global class would outlive a test's
  // expectations about which module owns it.
  superclass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  return Classes::Register(&superclass) != 0;
}

}  // namespace

bool RegisterSuperclass(HINSTANCE instance, HINSTANCE baseInstance, const char* base,
                        const char* name, WNDPROC proc, WNDPROC& baseProc) {
  return Superclass<AnsiClasses>(instance, baseInstance, base, name, proc, baseProc);
}

bool RegisterSuperclassW(HINSTANCE instance, HINSTANCE baseInstance, const wchar_t* base,
                         const wchar_t* name, WNDPROC proc, WNDPROC& baseProc) {
  return Superclass<WideClasses>(instance, baseInstance, base, name, proc, baseProc);
}

}  // namespace jukett::standin
