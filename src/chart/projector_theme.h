#pragma once
// The high-contrast theme for a projector in a bright room: white text on black, controls a
// shade lighter, and each colour of the charts changed to one that stands out on black while
// keeping its meaning (the red columns turn yellow, the blue mean line sky blue, the orange and
// vermillion of a sample stay warm). Both front ends take the window's colours from here and
// change their drawing lists' colours by the same table.
#include <span>

#include "chart/drawing_list.h"
#include "common/color.h"

namespace varnesk {

struct ProjectorTheme {
  Color background;    // windows, frames, labels and the charts' background
  Color text;          // captions, values and the charts' outlines
  Color face;          // buttons and text boxes
  Color accent;        // the focus and what is selected
  Color disabledText;  // a control that takes no input, still readable
};

const ProjectorTheme& projectorTheme();

struct ColorChange {
  Color from, to;
};

// Every colour the charts use and what it becomes; the system colours too.
std::span<const ColorChange> projectorColorChanges();

// The colour in the theme; one the table does not list stays as it is.
Color projectorColor(const Color& color);

// The whole drawing in the theme's colours.
DrawingList inProjectorColors(DrawingList drawing);

}  // namespace varnesk
