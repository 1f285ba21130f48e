#pragma once
// The module's calls that belong to no window: the windows' descriptions and menus, and the
// population file the windows read at each Load.
#include <filesystem>
#include <string>
#include <string_view>

#include "common/controls.h"

namespace varnesk {

// The description of "Form2", "Form3", "form1", "Form4" or "ComparisonForm"; null otherwise.
std::string layoutJson(const std::string& windowName);
// Every menu entry of a window (its keys, its right-click menu); null for another name.
std::string menuJson(const std::string& windowName);
// The window's menu bar: [{"caption","entries":[entry...]}], in the bar's order.
std::string menuBarJson(const std::string& windowName);

// The zoom that "ZoomIn", "ZoomOut", "ActualSize" or "Fit" (the same zoom, on a step that fits)
// makes of `zoom`, for a window of that size at zoom 1 on a screen of that size, in pixels.
double zoomStep(const std::string& command, double zoom, double windowWidth, double windowHeight,
                double screenWidth, double screenHeight);
// {"scale","left","top"}: the content filling a full screen, centred.
std::string fullScreenJson(double contentWidth, double contentHeight, double screenWidth,
                           double screenHeight);

// Puts the bytes the teacher chose where the windows read the population, in place of what
// was there; false when the file cannot be written.
bool writePopulation(const std::filesystem::path& file, std::string_view bytes);

// Every character 90 twips wide and 195 high, as a "0" in the default font: the measure of
// the core tests, for a caller that gives none.
inline SizeF fixedTextMeasure(const std::string& text) {
  return {90.0f * static_cast<float>(text.size()), 195.0f};
}

}  // namespace varnesk
