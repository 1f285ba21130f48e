// The teacher's controls of a simulation window, beyond its layout: a right-click menu whose
// entries also answer to keys. The window looks as laid out until one of them is used.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QPainter>

#include "chart/chart_drawing.h"
#include "common/messages.h"
#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/simulation_form.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace varnesk::ui {

namespace {

QAction* action(QWidget* window, const QString& text, const QList<QKeySequence>& keys = {}) {
  auto* a = new QAction(text, window);
  a->setShortcuts(keys);
  window->addAction(a);  // the keys work without opening the menu
  return a;
}

// Asks with Qt's dialog where to save, then saves there; a cancelled dialog saves nothing.
void saveAs(SimulationForm* window, const QString& title, const QString& name,
            const QString& filter, bool (SimulationForm::*save)(const QString&)) {
  const QString file = QFileDialog::getSaveFileName(window, title, name, filter);
  if (!file.isEmpty()) (window->*save)(file);
}

// The chart and its axis labels: everything between the two frames of the window.
constexpr Box kChartRegion{0, 800, 10845, 6620};

}  // namespace

void SimulationForm::addActions() {
  connect(action(this, QStringLiteral("Salvar gráfico como PNG…")), &QAction::triggered, this,
          [this] {
            saveAs(this, QStringLiteral("Salvar gráfico"), QStringLiteral("grafico.png"),
                   QStringLiteral("Imagens PNG (*.png)"), &SimulationForm::saveChart);
          });
  connect(action(this, QStringLiteral("Salvar médias como CSV…")), &QAction::triggered, this,
          [this] {
            saveAs(this, QStringLiteral("Salvar médias"), QStringLiteral("medias.csv"),
                   QStringLiteral("Planilhas CSV (*.csv)"), &SimulationForm::saveMeans);
          });
  connect(action(this, QStringLiteral("Copiar estatísticas")), &QAction::triggered, this,
          &SimulationForm::copyStatistics);
  if (kind_ == WindowKind::Instant) {
    QAction* curve = action(this, QStringLiteral("Mostrar curva normal da teoria"), {Qt::Key_N});
    curve->setCheckable(true);
    connect(curve, &QAction::toggled, this, &SimulationForm::showNormalCurve);
  } else {
    connect(action(this, QStringLiteral("Mais 10 médias"), {Qt::Key_D}), &QAction::triggered, this,
            [this] { simulateMany(10); });
    connect(action(this, QStringLiteral("Mais 100 médias"), {Qt::Key_C}), &QAction::triggered, this,
            [this] { simulateMany(100); });
  }
  connect(action(this, QStringLiteral("Ampliar"), {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal}),
          &QAction::triggered, this, [this] { setZoom(zoom_ + kZoomStep); });
  connect(action(this, QStringLiteral("Reduzir"), {QKeySequence::ZoomOut}), &QAction::triggered,
          this, [this] { setZoom(zoom_ - kZoomStep); });
  connect(action(this, QStringLiteral("Tamanho original"), {Qt::CTRL | Qt::Key_0}),
          &QAction::triggered, this, [this] { setZoom(1.0); });
  connect(action(this, QStringLiteral("Tela cheia"), {Qt::Key_F11}), &QAction::triggered, this,
          [this] { isFullScreen() ? showNormal() : showFullScreen(); });
  seedLine_ = new QAction(this);
  seedLine_->setEnabled(false);
}

void SimulationForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions());
  menu.addSeparator();
  seedLine_->setText(QString::fromStdString(logic_.seedLine()));
  menu.addAction(seedLine_);
  menu.exec(event->globalPos());
}

void SimulationForm::showNormalCurve(bool show) {
  logic_.showNormalCurve(show);
  update();
}

void SimulationForm::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  applyZoom(this, zoom_);
  update();
}

bool SimulationForm::saveChart(const QString& file) {
  const Box& r = kChartRegion;
  const QRect area = snappedBox(r.left, r.top * zoom_, r.width * zoom_, r.height * zoom_);
  QImage picture(area.size(), QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.translate(-area.topLeft());
  painter.scale(zoom_, zoom_);
  const QRectF whole(0, 0, r.width / kTwipsPerPixel, (r.top + r.height) / kTwipsPerPixel);
  paintDrawing(painter, chartPicture(logic_.model().chart, simulationLayout(kind_), r), palette(),
               whole);
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
