// varnesk-sim: one run of the instant window from the command line.
#include <CLI/CLI.hpp>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "chart/classes.h"
#include "chart/scale.h"
#include "cli/sim_options.h"
#include "common/number_text.h"
#include "engine/comparacao.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/run_seeder.h"

using namespace varnesk;

namespace {

void printMeans(const SamplingRun& corrida, std::int32_t count) {
  std::string out;
  char buffer[32];
  for (std::int32_t r = 1; r <= count; ++r) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer,
                                   static_cast<double>(corrida.Medias[static_cast<std::size_t>(r)]),
                                   std::chars_format::general, 9);
    out.append(buffer, end.ptr);
    out += '\n';
  }
  std::fputs(out.c_str(), stdout);
}

// One line per class of the instant window: index, lower boundary, number of means.
void printHistogram(const SamplingRun& corrida) {
  const Scale escala =
      EscolherEscala(corrida.MenorMedia, corrida.MaiorMedia, kInstantChart);
  const std::vector<int> counts =
      countInstantClasses(corrida.sortedMeans.values(), corrida.MenorMedia, escala);
  std::string out = "classe\tinicio\tcontagem\n";
  for (std::size_t i = 0; i < counts.size(); ++i)
    out +=
        std::to_string(i) + '\t' +
        formatFixed(corrida.MenorMedia + static_cast<double>(i) * escala.AmplitudeClasse, 3, '.') +
        '\t' + std::to_string(counts[i]) + '\n';
  std::fputs(out.c_str(), stdout);
}

std::string seisDigitos(double value) { return formatSignificant(value, 6, '.'); }

// One line per sample size: the spread of the means beside the standard error of theory.
void printComparison(const std::vector<ComparisonRow>& linhas) {
  std::string out = "n\tmedia\tdp\tep\tep_fpc\trazao\n";
  for (const ComparisonRow& l : linhas)
    out += std::to_string(l.n) + '\t' + seisDigitos(l.media) + '\t' + seisDigitos(l.dp) + '\t' +
           seisDigitos(l.teoria.ep) + '\t' + seisDigitos(l.teoria.epCorrigido) + '\t' +
           seisDigitos(l.razao()) + '\n';
  std::fputs(out.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Varnesk: sorteia amostras da população e resume as médias amostrais.",
               "varnesk-sim"};
  std::string tamanho, repeticoes, arquivo, comparar;
  std::string semente;
  bool medias = false;
  bool histograma = false;
  auto* sizeOption = app.add_option("-n,--tamanho", tamanho, "Tamanho da Amostra");
  app.add_option("-r,--repeticoes", repeticoes, "Número de Repetições")->required();
  app.add_option("-p,--populacao", arquivo,
                 "Arquivo da população (padrão: populacao.txt ao lado do programa)");
  auto* seedOption =
      app.add_option("-s,--semente", semente, "Semente do gerador (inteiro de 64 bits)");
  auto* meansFlag =
      app.add_flag("--medias", medias, "Escreve as médias na ordem em que foram sorteadas");
  auto* histogramFlag =
      app.add_flag("--histograma", histograma, "Escreve as classes do histograma e suas contagens")
          ->excludes(meansFlag);
  auto* compareOption =
      app.add_option("--comparar", comparar,
                     "Compara tamanhos de amostra, como 10,100,1000: dp das médias e erro padrão")
          ->excludes(sizeOption)
          ->excludes(meansFlag)
          ->excludes(histogramFlag);
  app.set_version_flag("--version", std::string("varnesk-sim ") + VARNESK_VERSION);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << e.what() << "\n\n" << app.help();
    return 2;
  }
  if (!sizeOption->count() && !compareOption->count()) {
    std::cerr << "Informe o tamanho da amostra (-n) ou os tamanhos a comparar (--comparar).\n\n"
              << app.help();
    return 2;
  }
  SampleSizeList lista;
  if (compareOption->count()) {
    lista = parseSampleSizes(comparar);
    if (!lista.erro.empty()) {
      std::cerr << "--comparar: " << lista.erro << '\n';
      return 2;
    }
    tamanho = "1";  // each size of the list passes the sample-size check
  }

  std::uint64_t seed = clockSeed();
  if (seedOption->count() && !parseSeed(semente, seed)) {
    std::cerr << "--semente: \"" << semente << "\" não é um inteiro de 0 a 18446744073709551615\n";
    return 2;
  }
  if (const auto message = validarEntradas(tamanho, repeticoes)) {
    std::cerr << *message << '\n';
    return 2;
  }
  const double n = parseLeadingNumber(tamanho);
  const double r = parseLeadingNumber(repeticoes);

  Population population;
  const auto file = arquivo.empty() ? defaultPopulationPath() : std::filesystem::path(arquivo);
  const PopulationReading leitura = LerPopulacao(file, population);
  if (!leitura.ok) {
    std::cerr << leitura.mensagem << '\n';
    return 1;
  }
  RunSeeder gerador(seed);
  if (compareOption->count()) {
    if (const std::string problema = refuseSampleSizes(lista.tamanhos, population);
        !problema.empty()) {
      std::cerr << "--comparar: " << problema << '\n';
      return 2;
    }
    printComparison(compareSampleSizes(population, lista.tamanhos, r, gerador.nextRunSeed()));
    return 0;
  }
  if (const auto message = refuseSampleSize(n, population)) {
    std::cerr << *message << '\n';
    return 1;
  }

  SamplingRun corrida;
  GerarAmostras(population, n, r, gerador.nextRunSeed(), MeanPrecision::Single, corrida);

  if (medias) {
    printMeans(corrida, corrida.sortedMeans.ContagemOrdenadas);
    return 0;
  }
  if (histograma) {
    printHistogram(corrida);
    return 0;
  }
  const Statistics estatisticas = CalcularEstatisticas(
      corrida.sortedMeans.values(), corrida.MediaGeral, MeanPrecision::Single, '.');
  for (const std::string& line : linhasPainel(estatisticas)) std::cout << line << '\n';
  return 0;
}
