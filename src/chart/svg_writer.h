#pragma once
// A drawing list as an SVG document, for slides and handouts: the same pixels the painters of
// both editions draw at the window's own size (15 twips to a pixel), lines that the painters
// snap to whole pixels snapped the same way, and text as text in the windows' fonts, so it stays
// sharp and can be edited. The system colours are those of the light theme the page paints.
#include <string>

#include "chart/drawing_list.h"

namespace varnesk {

// `region` (twips) becomes the picture: its top-left corner is the picture's origin.
std::string svgDocument(const DrawingList& drawing, const Box& region);

}  // namespace varnesk
