// The teacher's controls of a simulation window, beyond its layout: its menus' entries, which
// also answer to keys. The window looks as laid out until one of them is used.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QPainter>

#include "chart/chart_drawing.h"
#include "common/messages.h"
#include "engine/captioned_picture.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/file_saver.h"
#include "ui/menu_actions.h"
#include "ui/population_form.h"
#include "ui/simulation_form.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace varnesk::ui {

namespace {

// Asks with Qt's dialog where to save, then saves there; a cancelled dialog saves nothing.
// Before any mean is shown the teacher is told there is nothing to save, without a dialog.
void saveAs(SimulationForm* window, const SaveDialog& dialog,
            bool (SimulationForm::*save)(const QString&)) {
  if (!window->somethingToSave()) return;
  const QString file = QFileDialog::getSaveFileName(window, QString::fromStdString(dialog.title),
                                                    QString::fromStdString(dialog.fileName),
                                                    QString::fromStdString(dialog.filter));
  if (!file.isEmpty()) (window->*save)(file);
}

}  // namespace

void SimulationForm::addActions() {
  for (const MenuEntry& entry : simulationMenu(logic_.traits())) {
    QAction* a = chrome_->action(entry.command);
    switch (entry.command) {
      case MenuCommand::SaveChart:
        connect(a, &QAction::triggered, this,
                [this, entry] { saveAs(this, *entry.save, &SimulationForm::saveChart); });
        break;
      case MenuCommand::SaveChartSvg:
        connect(a, &QAction::triggered, this,
                [this, entry] { saveAs(this, *entry.save, &SimulationForm::saveSvg); });
        break;
      case MenuCommand::SaveMeans:
        connect(a, &QAction::triggered, this,
                [this, entry] { saveAs(this, *entry.save, &SimulationForm::saveMeans); });
        break;
      case MenuCommand::CopyStatistics:
        connect(a, &QAction::triggered, this, &SimulationForm::copyStatistics);
        break;
      case MenuCommand::NormalCurve:
        connect(a, &QAction::toggled, this, &SimulationForm::showNormalCurve);
        break;
      case MenuCommand::PopulationMean:
        connect(a, &QAction::toggled, this, &SimulationForm::showPopulationMean);
        break;
      case MenuCommand::Restart:
        connect(a, &QAction::triggered, this, &SimulationForm::restart);
        break;
      case MenuCommand::TenMoreMeans:
      case MenuCommand::HundredMoreMeans:
        connect(a, &QAction::triggered, this, [this, means = entry.means] { simulateMany(means); });
        break;
      case MenuCommand::PlayPause:
        connect(a, &QAction::triggered, this, &SimulationForm::playPause);
        break;
      case MenuCommand::SetSeed:
        connect(a, &QAction::triggered, this, &SimulationForm::askSeed);
        break;
      case MenuCommand::ShowPopulation:
        connect(a, &QAction::triggered, this, [this] { showPopulation(false); });
        break;
      case MenuCommand::ShowSample:
        connect(a, &QAction::triggered, this, [this] { showPopulation(true); });
        break;
      default: break;  // every window's own: the zoom, full screen, the help
    }
  }
  chrome_->setLastLine([this] { return QString::fromStdString(logic_.seedLine()); });
}

void SimulationForm::askSeed() {
  for (const MenuEntry& entry : simulationMenu(logic_.traits())) {
    if (entry.command != MenuCommand::SetSeed) continue;
    // The current run's seed to start from: OK alone shows that run again from its start.
    QString text = logic_.runNumber() > 0 ? QString::number(logic_.seed()) : QString();
    for (;;) {
      bool ok = false;
      text = QInputDialog::getText(this, QString::fromStdString(entry.input->title),
                                   QString::fromStdString(entry.input->prompt), QLineEdit::Normal,
                                   text, &ok);
      if (!ok || setSeed(text)) return;
    }
  }
}

bool SimulationForm::setSeed(const QString& text) {
  const bool taken = logic_.setSeed(text.toStdString());
  showControls();
  return taken;
}

PopulationForm* SimulationForm::showPopulation(bool sample) {
  auto* view = new PopulationForm(services_, this);
  view->showFrom(logic_, sample);
  openModal(view, this);
  return view;
}

void SimulationForm::showNormalCurve(bool show) {
  logic_.showNormalCurve(show);
  update();
}

void SimulationForm::showPopulationMean(bool show) {
  logic_.showPopulationMean(show);
  update();
}

void SimulationForm::restart() {
  logic_.restart();
  showControls();
}

void SimulationForm::setZoom(double zoom) { chrome_->setZoom(zoom); }

bool SimulationForm::somethingToSave() {
  if (hasChartToSave(logic_)) return true;
  platform_.showMessage(std::string(messages::kNothingToSave));
  return false;
}

// The chart with its caption, at the window's zoom.
bool SimulationForm::saveChart(const QString& file) {
  if (!somethingToSave()) return false;
  const CaptionedPicture shown = captionedPicture(logic_);
  const Box& r = shown.region;
  const double zoom = chrome_->zoom();
  const QRect area = snappedBox(r.left, r.top * zoom, r.width * zoom, r.height * zoom);
  QImage picture(area.size(), QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.translate(-area.topLeft());
  const QRectF whole(0, 0, r.width * zoom / kTwipsPerPixel,
                     (r.top + r.height) * zoom / kTwipsPerPixel);
  paintDrawing(painter, shown.drawing, palette(), whole, zoom);
  painter.end();
  return saved(
      file, saveAtomically(file, [&picture](QIODevice& out) { return picture.save(&out, "PNG"); }));
}

bool SimulationForm::saveSvg(const QString& file) {
  return somethingToSave() && saved(file, saveBytes(file, chartSvg(logic_)));
}

bool SimulationForm::saveMeans(const QString& file) {
  return somethingToSave() && saved(file, saveBytes(file, logic_.meansCsv()));
}

bool SimulationForm::saved(const QString& file, std::optional<SaveFailure> failure) {
  if (!failure) return true;
  platform_.showMessage(saveFailureMessage(file.toStdString(), *failure));
  return false;
}

void SimulationForm::copyStatistics() {
  QApplication::clipboard()->setText(QString::fromStdString(logic_.tabulatedStatistics()));
}

}  // namespace varnesk::ui
