#pragma once
// The description of each of the program's windows.
#include "layout/window_kind.h"
#include "layout/window_layout.h"

namespace varnesk {

const WindowLayout& form2Layout();  // the start screen
// Form2's Load centres its two panels, Frame1 and Frame2, on the whole screen: a panel's left
// edge in twips, in single precision and unrounded.
inline float centredOnScreen(float screenWidth, float panelWidth) {
  return (screenWidth - panelWidth) / 2;
}
const WindowLayout& form3Layout();  // the configuration screen
// form1 (instant) or Form4 (step by step): the controls, the statistics panel and the chart's
// elements (plot frame, grid lines, axis labels, columns, mean line).
const WindowLayout& simulationLayout(WindowKind kind);
// "Comparar tamanhos de amostra": the sample sizes and repetitions, the table of each size's
// spread of means beside the standard error of theory, their histograms on one axis, and a note
// on how to read them; at the window's default client size, 900 x 680 pixels.
const WindowLayout& comparisonLayout();
// "População": the population the windows read (its file, size, mean, spread and range, how the
// file was read) and its histogram, or why the file could not be read; at 640 x 520 pixels.
const WindowLayout& populationLayout();
// "Intervalos de confiança": each sample's interval stacked against the population mean, the
// running coverage, the level, law and correction, and the coverage with and without the
// correction for three sample sizes; 900 x 640 pixels.
const WindowLayout& intervalLayout();
// "Tamanho da amostra": the sample size a margin of error needs, and its check by simulation;
// 760 x 600 pixels.
const WindowLayout& plannerLayout();

}  // namespace varnesk
