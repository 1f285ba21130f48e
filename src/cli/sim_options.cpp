#include "cli/sim_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string_view>

#include "engine/population.h"

namespace varnesk {

std::variant<SimOptions, ExitStatus> readSimOptions(int argc, char** argv) {
  CLI::App app{"Varnesk: sorteia amostras da população e resume as médias amostrais.",
               "varnesk-sim"};
  SimOptions o;
  auto* sizeOption = app.add_option("-n,--tamanho", o.sampleSize, "Tamanho da Amostra");
  // Describing the population draws no sample, so it needs no number of repetitions; CLI11
  // checks a required option before any flag is known, hence the look ahead.
  const bool describing =
      std::find(argv + 1, argv + argc, std::string_view("--descrever")) != argv + argc;
  app.add_option("-r,--repeticoes", o.repetitions, "Número de Repetições")->required(!describing);
  app.add_option("-p,--populacao", o.populationFile,
                 "Arquivo da população (padrão: populacao.txt ao lado do programa)");
  auto* seedOption =
      app.add_option("-s,--semente", o.seed, "Semente do gerador (inteiro de 64 bits)");
  app.add_option("--simulacao", o.run,
                 "Qual simulação da semente refazer (1: a primeira, como a janela a mostra)")
      ->check(CLI::Range(1, 1000000))
      ->needs(seedOption);
  auto* meansFlag =
      app.add_flag("--medias", o.means, "Escreve as médias na ordem em que foram sorteadas");
  auto* histogramFlag =
      app.add_flag("--histograma", o.histogram, "Escreve as classes do histograma e suas contagens")
          ->excludes(meansFlag);
  auto* compareOption =
      app.add_option("--comparar", o.sampleSizes,
                     "Compara tamanhos de amostra, como 10,100,1000: dp das médias e erro padrão")
          ->excludes(sizeOption)
          ->excludes(meansFlag)
          ->excludes(histogramFlag);
  app.add_option(
      "--coluna", o.column,
      "Coluna a ler num arquivo de várias: seu nome no cabeçalho ou seu número, de 1 em diante");
  app.add_flag(
      "--descrever", o.describe,
      "Descreve a população lida (N, média, dp, mínimo, máximo) e como o arquivo foi lido");
  app.set_version_flag("--version", std::string("varnesk-sim ") + VARNESK_VERSION);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    app.exit(e);
    return ExitStatus::Done;
  } catch (const CLI::CallForVersion& e) {
    app.exit(e);
    return ExitStatus::Done;
  } catch (const CLI::ParseError& e) {
    std::cerr << e.what() << "\n\n" << app.help();
    return ExitStatus::BadInput;
  }
  if (!o.describe && !sizeOption->count() && !compareOption->count()) {
    std::cerr << "Informe o tamanho da amostra (-n) ou os tamanhos a comparar (--comparar).\n\n"
              << app.help();
    return ExitStatus::BadInput;
  }
  o.seedGiven = seedOption->count() > 0;
  o.compare = compareOption->count() > 0;
  return o;
}

std::filesystem::path populationPath(const SimOptions& options) {
  return options.populationFile.empty() ? defaultPopulationPath()
                                        : std::filesystem::path(options.populationFile);
}

PopulationReading readPopulation(const SimOptions& options, Population& population) {
  return LerPopulacao(populationPath(options), population, ReadOptions{options.column});
}

}  // namespace varnesk
