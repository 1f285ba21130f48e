#pragma once
// The module's calls, written once: embind_api.cpp binds each of them to JavaScript and
// varnesk-json answers each natively, both by expanding these lists, and the test of
// web/CONTRACT.md finds every one of them there. A call is a member function of the object
// named beside its list; its parameters and its answer are converted by their C++ types.

// clang-format off
// ModuleFunctions: the calls that belong to no window.
#define VARNESK_MODULE_CALLS(CALL) \
  CALL(setPopulation) \
  CALL(previewPopulation) \
  CALL(choosePopulation) \
  CALL(useProgramPopulation) \
  CALL(pasteQuestion) \
  CALL(undoPopulation) \
  CALL(window) \
  CALL(layout) \
  CALL(menu) \
  CALL(menuBar) \
  CALL(zoomStep) \
  CALL(fullScreen) \
  CALL(evenLineWidth) \
  CALL(aboutText) \
  CALL(dialogTexts) \
  CALL(centredOnScreen) \
  CALL(projectorTheme)

// Each window's object: its name in the module (the window registry's session), its C++
// class, and its calls.
#define VARNESK_SESSIONS(SESSION) \
  SESSION(Configuration, ConfigurationSession, VARNESK_CONFIGURATION_CALLS) \
  SESSION(Simulation, SimulationSession, VARNESK_SIMULATION_CALLS) \
  SESSION(Population, PopulationSession, VARNESK_POPULATION_CALLS) \
  SESSION(Comparison, ComparisonSession, VARNESK_COMPARISON_CALLS) \
  SESSION(Intervals, IntervalSession, VARNESK_INTERVAL_CALLS) \
  SESSION(Planner, PlannerSession, VARNESK_PLANNER_CALLS)

#define VARNESK_CONFIGURATION_CALLS(CALL, Name, Class) \
  CALL(Name, Class, instantClicked) \
  CALL(Name, Class, stepByStepClicked)

#define VARNESK_SIMULATION_CALLS(CALL, Name, Class) \
  CALL(Name, Class, load) \
  CALL(Name, Class, simulate) \
  CALL(Name, Class, simulateMany) \
  CALL(Name, Class, showNormalCurve) \
  CALL(Name, Class, showPopulationMean) \
  CALL(Name, Class, restart) \
  CALL(Name, Class, setSeed) \
  CALL(Name, Class, playPause) \
  CALL(Name, Class, controls) \
  CALL(Name, Class, drawing) \
  CALL(Name, Class, picture) \
  CALL(Name, Class, meansCsv) \
  CALL(Name, Class, tabulatedStatistics) \
  CALL(Name, Class, seedLine) \
  CALL(Name, Class, seed) \
  CALL(Name, Class, means) \
  CALL(Name, Class, svg) \
  CALL(Name, Class, nothingToSave) \
  CALL(Name, Class, population) \
  CALL(Name, Class, populationChart) \
  CALL(Name, Class, tones) \
  CALL(Name, Class, populationTones)

#define VARNESK_POPULATION_CALLS(CALL, Name, Class) \
  CALL(Name, Class, load) \
  CALL(Name, Class, chart) \
  CALL(Name, Class, tones)

#define VARNESK_COMPARISON_CALLS(CALL, Name, Class) \
  CALL(Name, Class, compare) \
  CALL(Name, Class, start) \
  CALL(Name, Class, step) \
  CALL(Name, Class, finish) \
  CALL(Name, Class, cancel) \
  CALL(Name, Class, nothingToSave) \
  CALL(Name, Class, resultsCsv) \
  CALL(Name, Class, controls) \
  CALL(Name, Class, chart) \
  CALL(Name, Class, tones)
#define VARNESK_INTERVAL_CALLS(CALL, Name, Class) \
  CALL(Name, Class, load) \
  CALL(Name, Class, showNext) \
  CALL(Name, Class, showAll) \
  CALL(Name, Class, playPause) \
  CALL(Name, Class, setLevel) \
  CALL(Name, Class, setNormal) \
  CALL(Name, Class, setCorrection) \
  CALL(Name, Class, compareCorrection) \
  CALL(Name, Class, controls) \
  CALL(Name, Class, chart) \
  CALL(Name, Class, nothingToSave) \
  CALL(Name, Class, intervalsCsv) \
  CALL(Name, Class, seedLine)

#define VARNESK_PLANNER_CALLS(CALL, Name, Class) \
  CALL(Name, Class, load) \
  CALL(Name, Class, plan) \
  CALL(Name, Class, verify) \
  CALL(Name, Class, controls) \
  CALL(Name, Class, chart) \
  CALL(Name, Class, seedLine)
// clang-format on
