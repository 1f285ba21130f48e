// varnesk: the desktop program. Opens the start screen; everything else follows from it.
// `varnesk --semente 42` seeds every window's generator as `varnesk-sim -s 42` does, so that a
// whole class can redo one run.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "engine/run_seeder.h"
#include "ui/aplicacao.h"
#include "ui/form2.h"
#include "ui/servicos.h"

int main(int argc, char* argv[]) {
  QApplication aplicacao(argc, argv);
  varnesk::ui::prepararAplicacao();
  QCommandLineParser opcoes;
  opcoes.setApplicationDescription(
      QStringLiteral("Varnesk: estimativa amostral da taxa média de perda."));
  opcoes.addHelpOption();
  const QCommandLineOption semente(
      QStringLiteral("semente"),
      QStringLiteral("Semente do gerador de todas as janelas (inteiro de 64 bits)."),
      QStringLiteral("inteiro"));
  opcoes.addOption(semente);
  opcoes.process(aplicacao);
  varnesk::ui::ServicosUi servicos = varnesk::ui::servicosDoPrograma();
  if (opcoes.isSet(semente)) {
    std::uint64_t valor = 0;
    if (!varnesk::parseSeed(opcoes.value(semente).toStdString(), valor)) {
      std::fprintf(stderr, "--semente: \"%s\" não é um inteiro de 0 a 18446744073709551615\n",
                   qPrintable(opcoes.value(semente)));
      return 2;
    }
    servicos.semente = [valor] { return valor; };
  }
  varnesk::ui::Form2 inicio(servicos);
  inicio.showMaximized();
  return QApplication::exec();
}
