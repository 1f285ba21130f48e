// varnesk: the desktop program. Opens the start screen; everything else follows from it.
// `varnesk --semente 42` seeds every window's generator as `varnesk-sim -s 42` does, so that a
// whole class can redo one run; without it every run picks a short seed of its own.
// `varnesk --populacao FILE` makes FILE the population, as "Abrir população…" does.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "common/messages.h"
#include "engine/run_seeder.h"
#include "ui/application.h"
#include "ui/form2.h"
#include "ui/population_opening.h"
#include "ui/population_settings.h"
#include "ui/qt_translations.h"
#include "ui/ui_services.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  varnesk::ui::prepareApplication();
  varnesk::ui::installQtTranslations(QLocale::system());
  QCommandLineParser options;
  options.setApplicationDescription(
      QStringLiteral("Varnesk: estimativa amostral da taxa média de perda."));
  options.addHelpOption();
  const QCommandLineOption seed(
      QStringLiteral("semente"),
      QStringLiteral("Semente do gerador de todas as janelas (inteiro de 64 bits)."),
      QStringLiteral("inteiro"));
  options.addOption(seed);
  const QCommandLineOption population(
      QStringList{QStringLiteral("populacao"), QStringLiteral("p")},
      QStringLiteral("Arquivo da população das janelas (lembrado para a próxima vez)."),
      QStringLiteral("arquivo"));
  options.addOption(population);
  options.process(application);
  varnesk::ui::UiServices services = varnesk::ui::programServices();
  if (options.isSet(seed)) {
    std::uint64_t value = 0;
    const std::string text = options.value(seed).toStdString();
    if (!varnesk::parseSeed(text, value)) {
      std::fprintf(stderr, "%s\n", varnesk::messages::badSeedMessage(text).c_str());
      return 2;
    }
    services.seed = [value] { return value; };
  }
  varnesk::ui::Form2 start(services);
  start.showMaximized();
  QTimer::singleShot(0, &start, [&] {
    varnesk::ui::startWithPopulation(&start, services, varnesk::ui::rememberedPopulation(),
                                     options.value(population));
  });
  return QApplication::exec();
}
