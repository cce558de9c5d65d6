// A screen reader's view of the running player, from a process of its own,
// through nothing but the system's accessibility functions:
//   screen_reader_probe list        each child of the window's client object:
//                                   name|role|left|top|width|height (on the
//                                   screen)|what lies at its centre: a child
//                                   id, "object" for a child object, "none"
//   screen_reader_probe press NAME  the default action of the child named NAME
// Status 0 when done; 1 when the window, its object or the child was not
// there or the action failed.
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

std::string NameOf(IAccessible* object, LONG id) {
  BSTR text = nullptr;
  object->get_accName(Child(id), &text);
  char bytes[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, text ? text : L"", -1, bytes, sizeof bytes - 1, nullptr, nullptr);
  SysFreeString(text);
  return bytes;
}

void Print(IAccessible* object, LONG id) {
  VARIANT role{};
  object->get_accRole(Child(id), &role);
  LONG left = 0, top = 0, width = 0, height = 0;
  object->accLocation(&left, &top, &width, &height, Child(id));
  VARIANT hit{};
  object->accHitTest(left + width / 2, top + height / 2, &hit);
  const std::string at = hit.vt == VT_DISPATCH ? "object"
                         : hit.vt == VT_I4     ? std::to_string(hit.lVal)
                                               : "none";
  if (hit.vt == VT_DISPATCH) hit.pdispVal->Release();
  std::printf("%s|%ld|%ld|%ld|%ld|%ld|%s\n", NameOf(object, id).c_str(),
              role.vt == VT_I4 ? role.lVal : -1L, left, top, width, height, at.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const char* press = argc == 3 && std::strcmp(argv[1], "press") == 0 ? argv[2] : nullptr;
  HWND window = FindWindowW(L"jukettZRV.frmJUKETT", nullptr);
  void* found = nullptr;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (!window ||
      FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &found))) {
    return 1;
  }
  auto* object = static_cast<IAccessible*>(found);
  LONG count = 0;
  object->get_accChildCount(&count);
  bool done = !press;
  for (LONG id = 1; id <= count; ++id) {
    if (!press) {
      Print(object, id);
    } else if (NameOf(object, id) == press) {
      done = SUCCEEDED(object->accDoDefaultAction(Child(id)));
      break;
    }
  }
  object->Release();
  return done ? 0 : 1;
}
