// The menu bar: its items by control name, and what each one does.
#pragma once

#include <string_view>
#include <vector>

namespace zarvo {

struct App;

struct MenuItem {
  const char* name;     // control name, e.g. "SENTE"
  const char* caption;  // shown text
  const char* parent;   // control name of the menu holding it; "" for the menu bar
  bool checkable;
  bool separator_before;
};

// Every menu and item in the order shown.
const std::vector<MenuItem>& menu_items();

// Runs the click event of a menu item, or the opening event of a menu.
// Answers false for a name that has no event.
bool menu_command(App& app, std::string_view name);

}  // namespace zarvo
