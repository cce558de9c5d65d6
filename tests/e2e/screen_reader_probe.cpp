// A screen reader's view of the running player, from a process of its own,
// through nothing but the system's accessibility functions:
//   screen_reader_probe list        one line per child of the window's client
//                                   object: name, role, left, top, width,
//                                   height on the screen, tab-separated
//   screen_reader_probe press NAME  the default action of the child named NAME
// Names are UTF-8. Status 0 when done; 1 when the window, its object or the
// child was not there or the action failed.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

VARIANT Child(LONG id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Utf8(const wchar_t* text) {
  if (!text) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::string Name(IAccessible* object, LONG id) {
  BSTR name = nullptr;
  object->get_accName(Child(id), &name);
  std::string text = Utf8(name);
  SysFreeString(name);
  return text;
}

std::string Role(IAccessible* object, LONG id) {
  VARIANT role{};
  object->get_accRole(Child(id), &role);
  if (role.vt != VT_I4) return "none";
  switch (role.lVal) {
    case ROLE_SYSTEM_PUSHBUTTON:
      return "button";
    case ROLE_SYSTEM_STATICTEXT:
      return "text";
    case ROLE_SYSTEM_WINDOW:
      return "window";
    default:
      return std::to_string(role.lVal);
  }
}

void List(IAccessible* object, LONG count) {
  for (LONG id = 1; id <= count; ++id) {
    LONG left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, Child(id));
    std::printf("%s\t%s\t%ld\t%ld\t%ld\t%ld\n", Name(object, id).c_str(), Role(object, id).c_str(),
                left, top, width, height);
  }
}

bool Press(IAccessible* object, LONG count, const std::string& name) {
  for (LONG id = 1; id <= count; ++id) {
    if (Name(object, id) == name) return SUCCEEDED(object->accDoDefaultAction(Child(id)));
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool list = argc == 2 && std::strcmp(argv[1], "list") == 0;
  const bool press = argc == 3 && std::strcmp(argv[1], "press") == 0;
  if (!list && !press) {
    std::fputs("usage: screen_reader_probe list | press NAME\n", stderr);
    return 2;
  }
  HWND window = FindWindowW(L"jukettZRV.frmJUKETT", nullptr);
  if (!window) return 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  void* found = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &found))) {
    return 1;
  }
  auto* object = static_cast<IAccessible*>(found);
  LONG count = 0;
  object->get_accChildCount(&count);
  bool done = true;
  if (list) {
    List(object, count);
  } else {
    done = Press(object, count, argv[2]);
  }
  object->Release();
  CoUninitialize();
  return done ? 0 : 1;
}
