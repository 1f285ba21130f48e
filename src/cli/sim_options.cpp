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
  const auto given = [argc, argv](std::string_view option) {
    return std::any_of(argv + 1, argv + argc,
                       [option](const char* a) { return std::string_view(a).starts_with(option); });
  };
  const bool describing = given("--descrever"), planning = given("--planejar");
  app.add_option("-r,--repeticoes", o.repetitions, "Número de Repetições")
      ->required(!describing && !planning);
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
  auto* intervalsFlag =
      app.add_flag("--intervalos{amostras}", o.intervals,
                   "Intervalos de confiança: um por amostra, ou --intervalos=resumo para a "
                   "cobertura; com --comparar, a cobertura com e sem a correção por tamanho")
          ->check(CLI::IsMember({"amostras", "resumo"}))
          ->excludes(meansFlag)
          ->excludes(histogramFlag);
  app.add_option("--nivel", o.level, "Nível de confiança dos intervalos, em %, de 80 a 99 (95)");
  app.add_flag("--z", o.normal, "Intervalos com o quantil da normal em vez do t de Student");
  app.add_flag("--sem-correcao", o.noCorrection, "Intervalos sem a correção de população finita");
  auto* planOption =
      app.add_option("--planejar", o.margin,
                     "Tamanho de amostra para a margem de erro E (na unidade da população); com "
                     "-r, verificado por simulação")
          ->excludes(sizeOption)
          ->excludes(compareOption)
          ->excludes(intervalsFlag);
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
  o.plan = planOption->count() > 0;
  if (!o.describe && !o.plan && !sizeOption->count() && !compareOption->count()) {
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
