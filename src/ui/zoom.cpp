#include "ui/zoom.h"

#include <QRectF>
#include <QWidget>
#include <cmath>

#include "ui/twips.h"

namespace varnesk::ui {
namespace {
constexpr const char* kBox = "varnesk_box_twips";
constexpr const char* kFontPixels = "varnesk_font_px";

constexpr const char* kZoom = "varnesk_zoom";

void zoomControl(QWidget* w, double zoom) {
  w->setProperty(kZoom, zoom);
  const QRectF box = w->property(kBox).toRectF();
  if (!box.isNull()) {
    w->setGeometry(
        snappedBox(box.x() * zoom, box.y() * zoom, box.width() * zoom, box.height() * zoom));
  }
  // Only fonts set on the control itself: the others follow their container's. Rounded down,
  // so that a caption still fits the box laid out for it.
  if (!w->testAttribute(Qt::WA_SetFont)) return;
  if (!w->property(kFontPixels).isValid()) w->setProperty(kFontPixels, w->font().pixelSize());
  QFont font = w->font();
  font.setPixelSize(
      std::max(1, static_cast<int>(std::floor(w->property(kFontPixels).toInt() * zoom))));
  w->setFont(font);
}
}  // namespace

void rememberBox(QWidget* control, double left, double top, double width, double height) {
  control->setProperty(kBox, QRectF(left, top, width, height));
}

void applyZoom(QWidget* client, double zoom) {
  const QPoint at = client->pos();
  zoomControl(client, zoom);
  client->move(at);
  for (QWidget* control : client->findChildren<QWidget*>()) {
    if (control->window() == client->window()) zoomControl(control, zoom);
  }
}

double zoomOf(const QWidget* control) {
  const QVariant zoom = control->property(kZoom);
  return zoom.isValid() ? zoom.toDouble() : 1.0;
}

}  // namespace varnesk::ui
