#include "tools/standin_host/host_menu.h"

#include <initializer_list>
#include <string>

#include "tools/standin_host/to_ansi.h"

namespace jukett::standin {

namespace {

bool AddItem(HMENU menu, UINT id, const char* text) {
  return AppendMenuA(menu, MF_STRING, id, text) != FALSE;
}

bool AddSeparator(HMENU menu) { return AppendMenuA(menu, MF_SEPARATOR, 0, nullptr) != FALSE; }

// Appends a drop-down to the bar (or a submenu to a drop-down); on failure
// the drop-down is destroyed here so the caller has nothing to clean up.
bool AddPopup(HMENU parent, HMENU popup, const char* text) {
  if (!popup) return false;
  if (AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text)) {
    return true;
  }
  DestroyMenu(popup);
  return false;
}

struct Item {
  UINT id;  // 0: a separator
  const char* text;
};

HMENU BuildDropDown(std::initializer_list<Item> items) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  for (const Item& item : items) {
    if (!(item.id == 0 ? AddSeparator(menu) : AddItem(menu, item.id, item.text))) {
      DestroyMenu(menu);
      return nullptr;
    }
  }
  return menu;
}

HMENU BuildFileMenu() {
  return BuildDropDown({{command_ids::kNew, "&New"},
                        {command_ids::kOpen, "&Open..."},
                        {0, nullptr},
                        {command_ids::kExit, "E&xit"}});
}

HMENU BuildEditMenu() {
  return BuildDropDown({{command_ids::kUndo, "&Undo\tCtrl+Z"},
                        {0, nullptr},
                        {command_ids::kCut, "Cu&t\tCtrl+X"},
                        {command_ids::kCopy, "&Copy\tCtrl+C"},
                        {command_ids::kPaste, "&Paste\tCtrl+V"}});
}

HMENU BuildWindowMenu() {
  return BuildDropDown({{command_ids::kCascade, "&Cascade"},
                        {command_ids::kTile, "&Tile"},
                        {command_ids::kArrangeIcons, "Arrange &Icons"}});
}

HMENU BuildMemberServicesMenu() {
  return BuildDropDown({{command_ids::kMemberDirectory, "Member &Directory"},
                        {command_ids::kAccountHelp, "&Account Help"}});
}

// Items before the version item include a submenu on purpose: its entry has
// no command id, which a menu reader has to step over.
HMENU BuildHelpMenu(const StandinOptions& options) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  bool ok = AddItem(menu, command_ids::kHelpTopics, "&Help Topics") &&
            AddPopup(menu, BuildMemberServicesMenu(), "&Member Services") && AddSeparator(menu);
  UINT extraId = command_ids::kFirstExtraHelpItem;
  for (const std::wstring& text : options.extraHelpItems) {
    ok = ok && AddItem(menu, extraId++, ToAnsi(text).c_str());
  }
  if (options.version) {
    const std::wstring versionText = VersionItemText(*options.version, options.versionCase);
    ok = ok && AddItem(menu, command_ids::kVersion, ToAnsi(versionText).c_str());
  }
  ok = ok && AddSeparator(menu) && AddItem(menu, command_ids::kAbout, "&About Chat Host...");
  if (ok) return menu;
  DestroyMenu(menu);
  return nullptr;
}

}  // namespace

MenuBar BuildMenuBar(const StandinOptions& options) {
  HMENU bar = CreateMenu();
  if (!bar) return {};
  HMENU windowMenu = nullptr;
  const bool ok = AddPopup(bar, BuildFileMenu(), "&File") &&
                  AddPopup(bar, BuildEditMenu(), "&Edit") &&
                  AddPopup(bar, (windowMenu = BuildWindowMenu()), "&Window") &&
                  AddPopup(bar, BuildHelpMenu(options), "&Help");
  if (!ok) {
    DestroyMenu(bar);
    return {};
  }
  return {bar, windowMenu};
}

}  // namespace jukett::standin
