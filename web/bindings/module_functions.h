#pragma once
// The module's calls that belong to no window: the windows' descriptions and menus, the zoom's
// rules, and the population file the windows read at each Load. One object per module (the
// page's, or varnesk-json's), holding where its population files are.
#include <filesystem>
#include <string>
#include <string_view>

#include "common/controls.h"
#include "module_population.h"

namespace varnesk {

// Bytes the page hands over: a file picked, dropped or pasted (varnesk-json reads them from the
// file its call names).
struct PopulationBytes {
  std::string bytes;
};

class ModuleFunctions {
 public:
  explicit ModuleFunctions(const std::filesystem::path& folder) : population_(folder) {}

  // The bundled population; `name` is not used: the windows read it by its place, and their
  // messages name that file.
  bool setPopulation(const PopulationBytes& bytes, const std::string& name);
  std::string previewPopulation(const PopulationBytes& bytes, const std::string& name,
                                const std::string& commas) const;
  std::string choosePopulation(const PopulationBytes& bytes, const std::string& name,
                               const std::string& column, const std::string& commas);
  std::string useProgramPopulation() { return population_.useProgramOwn(); }
  std::string pasteQuestion(const PopulationBytes& bytes, const std::string& column,
                            const std::string& commas, const std::string& separator) const {
    return population_.pasteQuestion(bytes.bytes, column, commas, separator);
  }
  std::string undoPopulation() { return population_.undo(); }

  // Everything the page needs to open the window of that name, as the window registry lists
  // it: {"layout","menu","menuBar","session"} (session: the object to open, "" for none); null
  // for another name.
  std::string window(const std::string& windowName) const;
  // The description of the window of that name, as the window registry lists it; null
  // otherwise.
  std::string layout(const std::string& windowName) const;
  // Every menu entry of a window (its keys, its right-click menu); null for another name.
  std::string menu(const std::string& windowName) const;
  // The window's menu bar: [{"caption","entries":[entry...]}], in the bar's order.
  std::string menuBar(const std::string& windowName) const;

  // The zoom that "ZoomIn", "ZoomOut", "ActualSize" or "Fit" (the same zoom, on a step that
  // fits) makes of `zoom`, for a window of that size at zoom 1 on a screen of that size, in
  // pixels.
  double zoomStep(const std::string& command, double zoom, double windowWidth, double windowHeight,
                  double screenWidth, double screenHeight) const;
  // {"scale","left","top"}: the content filling a full screen, centred.
  std::string fullScreen(double contentWidth, double contentHeight, double screenWidth,
                         double screenHeight) const;
  int evenLineWidth(double width, double scale) const;
  std::string aboutText() const;
  // {"ok","cancel","close","aboutTitle","guideTitle","guideMissing","coreFailed","messageTitle"}:
  // the words of the page's dialogs.
  std::string dialogTexts() const;
  float centredOnScreen(float screenWidth, float panelWidth) const;
  // {"background","text","face","accent","disabledText","changes":[{"from","to"}...]}: the
  // projector's theme, and what each colour of the drawings becomes in it.
  std::string projectorTheme() const;

  const PopulationSource& population() const { return population_.source(); }

 private:
  ModulePopulation population_;
};

// Puts the bytes the teacher chose where the windows read the population, in place of what
// was there; false when the file cannot be written.
bool writePopulation(const std::filesystem::path& file, std::string_view bytes);

// Every character 90 twips wide and 195 high, as a "0" in the default font: the measure of
// the core tests, for a caller that gives none.
inline SizeF fixedTextMeasure(const std::string& text) {
  return {90.0f * static_cast<float>(text.size()), 195.0f};
}

}  // namespace varnesk
