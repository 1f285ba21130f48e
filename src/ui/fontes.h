#pragma once
// The window fonts and their stand-ins on this system: MS Sans Serif and Verdana become
// DejaVu Sans, Arial becomes Liberation Sans, and Symbol-font text is written in Greek letters
// of DejaVu Sans. Sizes are fixed in pixels at 96 dpi, as the layouts are, so a screen's dpi
// setting cannot push text out of the boxes laid out for it.
#include <QFont>
#include <QString>

#include "common/controls.h"

namespace varnesk::ui {

enum class Familia { SansSerif /* MS Sans Serif */, Verdana, Arial, Symbol };

QFont fonte(Familia familia, double pontos, bool negrito = false);

// MS Sans Serif 8.25 pt: every control without a font of its own.
QFont fontePadrao();

// What a caption typed for the Symbol font shows: its Latin letters as the Greek ones that
// font draws in their place ("d" is a small delta).
QString textoSymbol(const QString& latino);

// Width and height of a caption in a font, in twips: the size an auto-sized label takes.
SizeF medirTexto(const QFont& f, const QString& texto);

// The measure the window logic uses for its auto-sized labels (the axis labels).
TextMeasure medidorPadrao();

}  // namespace varnesk::ui
