#include "ui/qt_fonts.h"

#include <QFontMetricsF>
#include <cmath>

#include "ui/twips.h"

namespace varnesk::ui {

QFont qtFont(const Font& font) {
  QFont f(font.family == FontFamily::Arial ? QStringLiteral("Liberation Sans")
                                           : QStringLiteral("DejaVu Sans"));
  f.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
  f.setBold(font.bold);
  // MS Sans Serif is a narrow face and the layouts leave little room after its captions (a
  // label ends two pixels before its text box): its stand-in is condensed to about its widths.
  // Fontconfig picks DejaVu Sans Condensed where it is installed.
  // The others keep their own width, not the one a window's font would hand down to them.
  f.setStretch(font.family == FontFamily::MsSansSerif ? 85 : QFont::Unstretched);
  return f;
}

SizeF measureText(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  return {static_cast<float>(metrics.horizontalAdvance(text) * kTwipsPerPixel),
          static_cast<float>(metrics.height() * kTwipsPerPixel)};
}

TextMeasure defaultMeasure() {
  return [f = qtFont(kDefaultFont)](const std::string& text) {
    return measureText(f, QString::fromStdString(text));
  };
}

}  // namespace varnesk::ui
