#include "superclass.h"

namespace jukett::standin {

bool RegisterSuperclass(HINSTANCE instance, HINSTANCE base_instance, const char* base,
                        const char* name, WNDPROC proc, WNDPROC& base_proc) {
  WNDCLASSEXA base_class{};
  base_class.cbSize = sizeof base_class;
  if (!GetClassInfoExA(base_instance, base, &base_class)) return false;
  base_proc = base_class.lpfnWndProc;

  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return true;

  WNDCLASSEXA superclass = base_class;
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

}  // namespace jukett::standin
