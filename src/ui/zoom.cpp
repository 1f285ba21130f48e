#include "ui/zoom.h"

#include <QRectF>
#include <QWidget>
#include <cmath>

#include "ui/twips.h"

namespace varnesk::ui {
namespace {
constexpr const char* kBox = "varnesk_box_twips";
constexpr const char* kFontPixels = "varnesk_font_px";

void zoomControl(QWidget* w, double zoom) {
  const QRectF box = w->property(kBox).toRectF();
  if (!box.isNull()) {
    if (w->isWindow()) {
      w->resize(toWholePixels(box.width() * zoom), toWholePixels(box.height() * zoom));
    } else {
      w->setGeometry(
          snappedBox(box.x() * zoom, box.y() * zoom, box.width() * zoom, box.height() * zoom));
    }
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

void applyZoom(QWidget* window, double zoom) {
  zoomControl(window, zoom);
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->window() == window) zoomControl(control, zoom);
  }
}

}  // namespace varnesk::ui
