#pragma once
// What a screen reader calls a control: a button's or a check box's own caption, and for a box
// that has none (text box, spin box, table, value box) the caption laid out beside it, the one
// on its left on the same row first, then one on its right, then one above it. Captions read
// without the colon and dots that lead the eye to the box ("Tamanho da Amostra...:" reads
// "Tamanho da Amostra").
#include <string>
#include <string_view>

#include "layout/window_layout.h"

namespace varnesk {

// What a screen reader calls a window's chart; its description then tells what it shows.
inline constexpr std::string_view kChartSpokenName = "Gráfico";

// Empty when nothing lies beside the control; a control without a caption of its own falls
// back on its tool tip.
std::string spokenCaption(const WindowLayout& layout, const ControlLayout& control);

// Text boxes, spin boxes, tables, buttons, check boxes, and the labels framed as value boxes.
bool needsSpokenCaption(const ControlLayout& control);

}  // namespace varnesk
