#pragma once
// The JSON form of each core type that the page reads: one function per type, each writing one
// value. Free of emscripten, so that varnesk-json prints the very bytes the module returns.
#include <vector>

#include "chart/drawing_list.h"
#include "engine/comparison_cells.h"
#include "engine/population_window.h"
#include "engine/window_menu.h"
#include "engine/window_model.h"
#include "json_writer.h"
#include "layout/window_layout.h"
#include "recording_platform.h"

namespace varnesk {

void writeColor(JsonWriter& json, const Color& color);
void writeFont(JsonWriter& json, const Font& font);
void writeBox(JsonWriter& json, const Box& box);
void writeControl(JsonWriter& json, const ControlLayout& control);
void writeLayout(JsonWriter& json, const WindowLayout& layout);

void writePrimitive(JsonWriter& json, const DrawingPrimitive& primitive);
void writeDrawing(JsonWriter& json, const DrawingList& drawing);

// A simulation window's text boxes, buttons and statistics panel; its chart is the drawing.
void writeModel(JsonWriter& json, const WindowModel& model, const std::string& classTable = {});
void writeEvents(JsonWriter& json, const std::vector<FrontEndEvent>& events);
void writeMenu(JsonWriter& json, const std::vector<MenuEntry>& menu);
// The window "População": whether its file was read, and every label it fills in by name.
void writePopulationView(JsonWriter& json, bool ok, const PopulationWindow& view);
void writeComparisonRows(JsonWriter& json, const std::vector<ComparisonCells>& rows);

}  // namespace varnesk
