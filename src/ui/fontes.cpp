#include "ui/fontes.h"

#include <QFontMetricsF>
#include <cmath>

#include "ui/twips.h"

namespace varnesk::ui {

namespace {
QString familiaSubstituta(Familia familia) {
  switch (familia) {
    case Familia::Arial: return QStringLiteral("Liberation Sans");
    case Familia::SansSerif:
    case Familia::Verdana:
    case Familia::Symbol: break;
  }
  return QStringLiteral("DejaVu Sans");
}
}  // namespace

QFont fonte(Familia familia, double pontos, bool negrito) {
  QFont f(familiaSubstituta(familia));
  f.setPixelSize(static_cast<int>(std::lround(pontos * 96.0 / 72.0)));
  f.setBold(negrito);
  // MS Sans Serif is a narrow face and the layouts leave little room after its captions (a
  // label ends two pixels before its text box): its stand-in is condensed to about its widths.
  // Fontconfig picks DejaVu Sans Condensed where it is installed.
  // The others keep their own width, not the one a window's font would hand down to them.
  f.setStretch(familia == Familia::SansSerif ? 85 : QFont::Unstretched);
  return f;
}

QFont fontePadrao() { return fonte(Familia::SansSerif, 8.25); }

QString textoSymbol(const QString& latino) {
  // The Symbol font's letters a..z, in its own order of Greek stand-ins.
  static const QString grego = QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
  QString resultado;
  resultado.reserve(latino.size());
  for (const QChar c : latino) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
      resultado += grego.at(c.unicode() - u'a');
    } else {
      resultado += c;
    }
  }
  return resultado;
}

SizeF medirTexto(const QFont& f, const QString& texto) {
  const QFontMetricsF medidas(f);
  return {static_cast<float>(medidas.horizontalAdvance(texto) * kTwipsPorPixel),
          static_cast<float>(medidas.height() * kTwipsPorPixel)};
}

TextMeasure medidorPadrao() {
  return [f = fontePadrao()](const std::string& texto) {
    return medirTexto(f, QString::fromStdString(texto));
  };
}

}  // namespace varnesk::ui
