#pragma once
// What the instant window's chart (form1) and the step-by-step window's (Form4) do differently,
// in one place: the chart procedures read these instead of asking which window draws.
namespace varnesk {

struct ChartTraits {
  // Classes 0..NumeroClasses (form1, the last one beyond the chart's upper limit), or
  // 1..NumeroClasses (Form4, the last slot left empty).
  int firstClass = 0;
  // The Y axis in percent of the means, its top a multiple of 5, with columns (form1); or in
  // numbers of means, a multiple of 10, with stacks of dots (Form4).
  bool percentAxis = true;
  long axisMultiple = 5;
  // X labels: a new caption that is a multiple of PassoRotulo tenths, the first always (form1);
  // or every lower boundary that is a multiple of PassoRotulo hundredths (Form4).
  bool labelsInTenths = true;
};

inline constexpr ChartTraits kInstantChart{0, true, 5, true};
inline constexpr ChartTraits kStepByStepChart{1, false, 10, false};

}  // namespace varnesk
