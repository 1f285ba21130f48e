#pragma once
// The windows' fonts and their stand-ins on this system: MS Sans Serif and Verdana become
// DejaVu Sans, Arial becomes Liberation Sans, and Symbol-font text is written in Greek letters
// of DejaVu Sans. Sizes are fixed in pixels at 96 dpi, as the layouts are, so a screen's dpi
// setting cannot push text out of the boxes laid out for it.
#include <QFont>
#include <QString>

#include "common/controls.h"
#include "common/font.h"

namespace varnesk::ui {

QFont qtFont(const Font& font);

// Width and height of a caption in a font, in twips: the size an auto-sized label takes.
SizeF measureText(const QFont& font, const QString& text);

// The measure the window logic uses for its auto-sized labels (the axis labels).
TextMeasure defaultMeasure();

}  // namespace varnesk::ui
