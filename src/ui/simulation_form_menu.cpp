// The teacher's controls of a simulation window, beyond its layout: its menus' entries, which
// also answer to keys. The window looks as laid out until one of them is used.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPainter>

#include "chart/chart_drawing.h"
#include "common/messages.h"
#include "engine/window_menu.h"
#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/population_form.h"
#include "ui/simulation_form.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace varnesk::ui {

namespace {

// Asks with Qt's dialog where to save, then saves there; a cancelled dialog saves nothing.
void saveAs(SimulationForm* window, const SaveDialog& dialog,
            bool (SimulationForm::*save)(const QString&)) {
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
      case MenuCommand::TenMoreMeans:
      case MenuCommand::HundredMoreMeans:
        connect(a, &QAction::triggered, this, [this, means = entry.means] { simulateMany(means); });
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

void SimulationForm::setZoom(double zoom) { chrome_->setZoom(zoom); }

bool SimulationForm::saveChart(const QString& file) {
  const WindowLayout& layout = simulationLayout(logic_.traits().kind);
  const Box r = chartRegion(layout);
  const double zoom = chrome_->zoom();
  const QRect area = snappedBox(r.left, r.top * zoom, r.width * zoom, r.height * zoom);
  QImage picture(area.size(), QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.translate(-area.topLeft());
  const QRectF whole(0, 0, r.width * zoom / kTwipsPerPixel,
                     (r.top + r.height) * zoom / kTwipsPerPixel);
  paintDrawing(painter, chartPicture(logic_.model().chart, layout, r), palette(), whole, zoom);
  painter.end();
  return picture.save(file, "PNG") || notSaved(file);
}

bool SimulationForm::saveMeans(const QString& file) {
  QFile out(file);
  const std::string csv = logic_.meansCsv();
  return (out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          out.write(csv.data(), static_cast<qint64>(csv.size())) ==
              static_cast<qint64>(csv.size()) &&
          out.flush()) ||
         notSaved(file);
}

bool SimulationForm::notSaved(const QString& file) {
  platform_.showMessage(messages::couldNotSaveMessage(file.toStdString()));
  return false;
}

void SimulationForm::copyStatistics() {
  QApplication::clipboard()->setText(QString::fromStdString(logic_.tabulatedStatistics()));
}

}  // namespace varnesk::ui
