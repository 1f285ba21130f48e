#pragma once
// What the teacher asked varnesk-sim for, as typed: the numbers are checked later, in the order
// the windows check them.
#include <filesystem>
#include <string>
#include <variant>

#include "cli/exit_status.h"
#include "engine/population.h"

namespace varnesk {

struct SimOptions {
  std::string sampleSize, repetitions, populationFile, seed;
  bool seedGiven = false;
  int run = 1;  // --simulacao: which run of the seed, as a window with that seed shows them
  bool compare = false;  // --comparar instead of -n: sampleSizes holds the list
  std::string sampleSizes;
  bool means = false;      // --medias
  bool histogram = false;  // --histograma
  std::string column;      // --coluna: the column of a file of several
  bool describe = false;   // --descrever: the population and how it was read, and no run
  // --intervalos: each sample's confidence interval ("amostras"), or their coverage ("resumo");
  // with --comparar, the coverage with and without the correction per size. Empty: none.
  std::string intervals;
  std::string level = "95";   // --nivel, in percent
  bool normal = false;        // --z: the normal law instead of Student's t
  bool noCorrection = false;  // --sem-correcao
  std::string margin;         // --planejar E: the sample size for a margin of error
  bool plan = false;
};

// The options, or how to end when they are not a run: Done once the help or the version is
// printed, BadInput once a usage error is printed with the help.
std::variant<SimOptions, ExitStatus> readSimOptions(int argc, char** argv);

// The population file asked for, or populacao.txt beside the program.
std::filesystem::path populationPath(const SimOptions& options);

// The population file, read as the options ask.
PopulationReading readPopulation(const SimOptions& options, Population& population);

}  // namespace varnesk
