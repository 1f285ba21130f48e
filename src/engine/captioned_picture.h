#pragma once
// The chart a teacher saves, as a PNG or an SVG: the chart with its axis labels, and under it
// a caption that tells the population, n, R, the seed and the seven statistics, so that the
// picture stands alone on a slide. Both editions save from this one description.
#include <string>

#include "chart/drawing_list.h"

namespace varnesk {

class SimulationWindow;

struct CaptionedPicture {
  Box region;  // of the window, in twips, grown downwards by the caption
  DrawingList drawing;
};

CaptionedPicture captionedPicture(const SimulationWindow& window);

// The same picture as an SVG document: the same bytes in every edition.
std::string chartSvg(const SimulationWindow& window);

// Whether there is a chart to save: some means shown.
bool hasChartToSave(const SimulationWindow& window);

}  // namespace varnesk
