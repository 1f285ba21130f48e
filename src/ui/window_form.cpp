#include "ui/window_form.h"

#include <stdexcept>
#include <string>

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include "chart/wave_file.h"
#include "common/messages.h"
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
  if (QAction* listen = chrome_->action(MenuCommand::PlayHistogram))
    connect(listen, &QAction::triggered, this, &WindowForm::playHistogram);
}

void WindowForm::playHistogram() {
  const std::vector<Tone> tones = logic_ ? logic_->tones() : std::vector<Tone>{};
  if (tones.empty()) {
    platform_.showMessage(std::string(messages::kNothingToHear));
    return;
  }
  // One file per window, written again at each hearing; the player reads it after this returns.
  const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                           .filePath(QStringLiteral("varnesk-%1.wav").arg(objectName()));
  const std::string wav = waveFile(tones);
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(wav.data(), static_cast<qint64>(wav.size())) != static_cast<qint64>(wav.size())) {
    platform_.showMessage(std::string(messages::kSoundNotWritten));
    return;
  }
  out.close();
  QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void WindowForm::showControls() {
  if (logic_) widgets_.apply(logic_->controls());
}

}  // namespace varnesk::ui
