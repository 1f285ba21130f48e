#include "cli/sim_options.h"

#include <CLI/CLI.hpp>

#include "engine/population.h"

namespace varnesk {

std::variant<SimOptions, ExitStatus> readSimOptions(int argc, char** argv) {
  CLI::App app{"Varnesk: sorteia amostras da população e resume as médias amostrais.",
               "varnesk-sim"};
  SimOptions o;
  auto* sizeOption = app.add_option("-n,--tamanho", o.sampleSize, "Tamanho da Amostra");
  app.add_option("-r,--repeticoes", o.repetitions, "Número de Repetições")->required();
  app.add_option("-p,--populacao", o.populationFile,
                 "Arquivo da população (padrão: populacao.txt ao lado do programa)");
  auto* seedOption =
      app.add_option("-s,--semente", o.seed, "Semente do gerador (inteiro de 64 bits)");
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
  if (!sizeOption->count() && !compareOption->count()) {
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

}  // namespace varnesk
