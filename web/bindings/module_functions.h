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
// The right-click menu of "form1" and "Form4" (the simulation menu) or "Form3"; null otherwise.
std::string menuJson(const std::string& windowName);

// Puts the bytes the teacher chose where the windows read the population, in place of what
// was there; false when the file cannot be written.
bool writePopulation(const std::filesystem::path& file, std::string_view bytes);

// Every character 90 twips wide and 195 high, as a "0" in the default font: the measure of
// the core tests, for a caller that gives none.
inline SizeF fixedTextMeasure(const std::string& text) {
  return {90.0f * static_cast<float>(text.size()), 195.0f};
}

}  // namespace varnesk
