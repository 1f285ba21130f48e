#include "ui/window_form.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/window_registry.h"
#include "ui/qt_fonts.h"

namespace varnesk::ui {
namespace {

const WindowEntry& entryOf(std::string_view name) {
  if (const WindowEntry* entry = findWindow(name)) return *entry;
  throw std::logic_error("no such window: " + std::string(name));
}

// Where the window's logic draws: its drawing area, or its whole client area when the chart's
// elements are laid out on it; nowhere for a window that draws nothing.
Canvas* drawingArea(const WindowWidgets& widgets, const WindowLayout& layout) {
  for (const ControlLayout& c : layout.controls)
    if (c.kind == ControlKind::Canvas) return widgets.get<Canvas>(c.name);
  const bool chart = std::any_of(layout.controls.begin(), layout.controls.end(),
                                 [](const ControlLayout& c) { return c.drawnByChart; });
  return chart ? widgets.client() : nullptr;
}

}  // namespace

WindowForm::WindowForm(std::string_view windowName, UiServices services, QWidget* owner)
    : QWidget(owner, frameFlags(entryOf(windowName).layout())),
      services_(std::move(services)),
      widgets_(this, entryOf(windowName).layout()),
      chrome_(new WindowChrome(this, widgets_.client(), entryOf(windowName).menu())) {
  const WindowEntry& entry = entryOf(windowName);
  if (entry.logic)
    logic_ = entry.logic(WindowEnvironment{platform_, defaultMeasure(), regionalDecimalSeparator(),
                                           services_.population(), services_.seed});
  if (Canvas* area = logic_ ? drawingArea(widgets_, entry.layout()) : nullptr)
    area->setDrawing(
        [this](double width, double height) { return logic_->drawing(width, height); });
}

void WindowForm::showControls() {
  if (logic_) widgets_.apply(logic_->controls());
}

}  // namespace varnesk::ui
