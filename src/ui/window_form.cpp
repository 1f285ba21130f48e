#include "ui/window_form.h"

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
  if (Canvas* area = logic_ ? widgets_.chartArea() : nullptr)
    area->setDrawing(
        [this](double width, double height) { return logic_->drawing(width, height); });
}

void WindowForm::showControls() {
  if (logic_) widgets_.apply(logic_->controls());
}

}  // namespace varnesk::ui
