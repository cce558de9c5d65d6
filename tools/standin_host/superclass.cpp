#include "tools/standin_host/superclass.h"

namespace jukett::standin {

bool RegisterSuperclass(HINSTANCE instance, HINSTANCE baseInstance, const char* base,
                        const char* name, WNDPROC proc, WNDPROC& baseProc) {
  WNDCLASSEXA baseClass{};
  baseClass.cbSize = sizeof baseClass;
  if (!GetClassInfoExA(baseInstance, base, &baseClass)) return false;
  baseProc = baseClass.lpfnWndProc;

  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return true;

  WNDCLASSEXA superclass = baseClass;
  superclass.cbSize = sizeof superclass;
  superclass.lpfnWndProc = proc;
  superclass.hInstance = instance;
  superclass.lpszClassName = name;
  superclass.lpszMenuName = nullptr;
  // Kept local to this module: a global class would outlive a test's
  // expectations about which module owns it.
  superclass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  return RegisterClassExA(&superclass) != 0;
}

bool RegisterSuperclassW(HINSTANCE instance, HINSTANCE baseInstance, const wchar_t* base,
                         const wchar_t* name, WNDPROC proc, WNDPROC& baseProc) {
  WNDCLASSEXW baseClass{};
  baseClass.cbSize = sizeof baseClass;
  if (!GetClassInfoExW(baseInstance, base, &baseClass)) return false;
  baseProc = baseClass.lpfnWndProc;

  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name, &existing)) return true;

  WNDCLASSEXW superclass = baseClass;
  superclass.cbSize = sizeof superclass;
  superclass.lpfnWndProc = proc;
  superclass.hInstance = instance;
  superclass.lpszClassName = name;
  superclass.lpszMenuName = nullptr;
  superclass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  return RegisterClassExW(&superclass) != 0;
}

}  // namespace jukett::standin
