#pragma once
// What the core tests share: the parts of Varnesk they test, a platform that records what the
// window logic asks of it, a fixed text measure, private temporary folders, and varnesk-sim
// run as a user runs it.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "chart/classes.h"
#include "chart/dots.h"
#include "chart/grid.h"
#include "chart/normal_curve.h"
#include "chart/shared_histograms.h"
#include "chart/x_axis.h"
#include "chart/y_axis.h"
#include "common/library_fallbacks.h"
#include "common/messages.h"
#include "common/number_text.h"
#include "engine/comparison.h"
#include "engine/comparison_window.h"
#include "engine/configuration.h"
#include "engine/means_csv.h"
#include "engine/sampler.h"
#include "engine/sampling_run.h"
#include "engine/simulation_controls.h"
#include "engine/simulation_window.h"
#include "engine/status_lines.h"
#include "engine/window_traits.h"
#include "layout/window_layouts.h"
#include "recording_platform.h"

namespace varnesk::support {

struct TempFolder {
  std::string path = (std::filesystem::temp_directory_path() / "varnesk_XXXXXX").string();
  TempFolder() { ::mkdtemp(path.data()); }
  ~TempFolder() { std::filesystem::remove_all(path); }
  std::string operator/(const std::string& name) const { return path + "/" + name; }
};

inline void writeBytes(const std::string& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A population file of `count` values, the i-th (from 1) `value(i)` written with `decimals`.
inline void writeValues(const std::string& file, int count, int decimals, double (*value)(int)) {
  std::string content;
  for (int i = 1; i <= count; ++i) content += formatFixed(value(i), decimals, '.') + "\n";
  writeBytes(file, content);
}

// Two populations the tests share: 0.5 to 10 in steps of 0.5, again and again (2000 values in
// the tests), and 0 to 5 in steps of 0.5, unevenly (1000 values).
inline double halfSteps(int i) { return 0.5 + (i - 1) % 20 * 0.5; }
inline double unevenHalves(int i) { return i % 7 * 0.5 + i % 3; }

// A table's rows as a window's logic shows them: one a line, cells separated by tabs.
inline std::vector<std::vector<std::string>> rowsOf(const WindowLogic& logic, const char* table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(logic.control(table).text);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) rows.back().push_back(cell);
  }
  return rows;
}

struct SimResult {
  int status;
  std::string out, err;
};

// varnesk-sim with these arguments, each passed as one word however odd it is.
inline SimResult runSim(const std::vector<std::string>& args) {
  const TempFolder folder;
  std::string command = VARNESK_SIM;
  for (const std::string& arg : args) {
    command += " '";
    for (char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += '\'';
  }
  const int status = std::system((command + " >" + folder / "out" + " 2>" + folder / "err").c_str());
  const auto read = [&](const char* name) {
    return (std::ostringstream() << std::ifstream(folder / name).rdbuf()).str();
  };
  return {WEXITSTATUS(status), read("out"), read("err")};
}

}  // namespace varnesk::support

using namespace varnesk;
using namespace varnesk::support;
