#pragma once
// The JSON form of each core type that the page reads: one function per type, each writing one
// value. Free of emscripten, so that varnesk-json prints the very bytes the module returns.
#include <vector>

#include "chart/drawing_list.h"
#include "common/controls.h"
#include "engine/recording_platform.h"
#include "engine/window_menu.h"
#include "json_writer.h"
#include "layout/window_layout.h"

namespace varnesk {

void writeColor(JsonWriter& json, const Color& color);
void writeFont(JsonWriter& json, const Font& font);
void writeBox(JsonWriter& json, const Box& box);
void writeControl(JsonWriter& json, const ControlLayout& control);
void writeLayout(JsonWriter& json, const WindowLayout& layout);

void writePrimitive(JsonWriter& json, const DrawingPrimitive& primitive);
void writeDrawing(JsonWriter& json, const DrawingList& drawing);

// Every window's controls as its logic shows them: [{"name","text","enabled","visible","checked"}].
void writeControls(JsonWriter& json, const ControlStates& controls);
void writeEvents(JsonWriter& json, const std::vector<FrontEndEvent>& events);
void writeMenu(JsonWriter& json, const std::vector<MenuEntry>& menu);

}  // namespace varnesk
