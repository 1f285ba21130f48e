#pragma once
// Every window of the program, once: its name, its description, its menu, how its logic is made
// and which of the module's objects the page opens for it. Both editions look a window up here
// by its name; a new window is one more entry.
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/window_environment.h"
#include "engine/window_logic.h"
#include "engine/window_menu.h"
#include "layout/window_layout.h"

namespace varnesk {

struct WindowEntry {
  std::string_view name;  // as the editions and the tests know it: Form2, Form3, form1 ...
  const WindowLayout& (*layout)();
  std::vector<MenuEntry> (*menu)();
  // The window's logic, made from what the edition gives it; null for a window without one.
  std::unique_ptr<WindowLogic> (*logic)(const WindowEnvironment& environment);
  std::string_view session;  // the module's object that the page opens for the window
};

std::span<const WindowEntry> windowRegistry();

// The entry of that name; nullptr for another name.
const WindowEntry* findWindow(std::string_view name);

// The logic of the window of that name, as the type it is; throws for a name that has no such
// logic, which is the program's own mistake, never the teacher's.
template <class Logic>
std::unique_ptr<Logic> makeLogic(std::string_view name, const WindowEnvironment& environment) {
  const WindowEntry* window = findWindow(name);
  std::unique_ptr<WindowLogic> made =
      window && window->logic ? window->logic(environment) : nullptr;
  if (!dynamic_cast<Logic*>(made.get()))
    throw std::logic_error("no such window logic: " + std::string(name));
  return std::unique_ptr<Logic>(static_cast<Logic*>(made.release()));
}

}  // namespace varnesk
