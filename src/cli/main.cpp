// varnesk-sim: one run of the instant window from the command line.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "chart/classes.h"
#include "chart/scale_table.h"
#include "cli/sim_options.h"
#include "common/number_text.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/seed.h"

using namespace varnesk;

namespace {

void printMeans(const Corrida& corrida, std::int32_t count) {
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

// The whole text must be a 64-bit unsigned integer: no sign, no wrap-around.
bool lerSemente(const std::string& text, std::uint64_t& seed) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, seed);
  return !text.empty() && ec == std::errc() && ptr == end;
}

// One line per class of the instant window: index, lower boundary, number of means.
void printHistogram(const Corrida& corrida) {
  const Escala escala = EscolherEscala(corrida.MenorMedia, corrida.MaiorMedia, TipoJanela::Instantanea);
  const std::vector<int> counts =
      contarClassesInstantaneas(corrida.ordenadas.valores(), corrida.MenorMedia, escala);
  std::string out = "classe\tinicio\tcontagem\n";
  for (std::size_t i = 0; i < counts.size(); ++i)
    out += std::to_string(i) + '\t' +
           formatFixed(corrida.MenorMedia + static_cast<double>(i) * escala.AmplitudeClasse, 3, '.') +
           '\t' + std::to_string(counts[i]) + '\n';
  std::fputs(out.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Varnesk: sorteia amostras da população e resume as médias amostrais.", "varnesk-sim"};
  std::string tamanho, repeticoes, arquivo;
  std::string semente;
  bool medias = false;
  bool histograma = false;
  app.add_option("-n,--tamanho", tamanho, "Tamanho da Amostra")->required();
  app.add_option("-r,--repeticoes", repeticoes, "Número de Repetições")->required();
  app.add_option("-p,--populacao", arquivo, "Arquivo da população (padrão: populacao.txt ao lado do programa)");
  auto* seedOption = app.add_option("-s,--semente", semente, "Semente do gerador (inteiro de 64 bits)");
  auto* meansFlag =
      app.add_flag("--medias", medias, "Escreve as médias na ordem em que foram sorteadas");
  app.add_flag("--histograma", histograma, "Escreve as classes do histograma e suas contagens")
      ->excludes(meansFlag);
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

  std::uint64_t seed = sementeDoRelogio();
  if (seedOption->count() && !lerSemente(semente, seed)) {
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
  const auto file = arquivo.empty() ? caminhoPopulacaoPadrao() : std::filesystem::path(arquivo);
  const LeituraPopulacao leitura = LerPopulacao(file, population);
  if (!leitura.ok) {
    std::cerr << leitura.mensagem << '\n';
    return 1;
  }
  if (const auto message = recusarAmostra(n, population)) {
    std::cerr << *message << '\n';
    return 1;
  }

  Corrida corrida;
  GeradorCorridas gerador(seed);
  GerarAmostras(population, n, r, gerador.proximaCorrida(), PrecisaoMedia::Simples, corrida);

  if (medias) {
    printMeans(corrida, corrida.ordenadas.ContagemOrdenadas);
    return 0;
  }
  if (histograma) {
    printHistogram(corrida);
    return 0;
  }
  const Estatisticas estatisticas = CalcularEstatisticas(
      corrida.ordenadas.valores(), corrida.MediaGeral, PrecisaoMedia::Simples, '.');
  for (const std::string& line : linhasPainel(estatisticas)) std::cout << line << '\n';
  return 0;
}
