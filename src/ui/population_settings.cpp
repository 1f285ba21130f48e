#include "ui/population_settings.h"

#include <QSettings>

namespace varnesk::ui {
namespace {
const QString kFile = QStringLiteral("populacao/arquivo");
const QString kColumn = QStringLiteral("populacao/coluna");
const QString kCommas = QStringLiteral("populacao/virgulas");

}  // namespace

RememberedPopulation rememberedPopulation() {
  const QSettings settings(QStringLiteral("varnesk"), QStringLiteral("varnesk"));
  const int commas = settings.value(kCommas, 0).toInt();
  return {settings.value(kFile).toString().toStdString(),
          settings.value(kColumn).toString().toStdString(),
          commas == 1   ? CommaAnswer::DecimalMark
          : commas == 2 ? CommaAnswer::Separator
                        : CommaAnswer::Unknown};
}

void rememberPopulation(const RememberedPopulation& population) {
  QSettings settings(QStringLiteral("varnesk"), QStringLiteral("varnesk"));
  settings.setValue(kFile, QString::fromStdString(population.file));
  settings.setValue(kColumn, QString::fromStdString(population.column));
  settings.setValue(kCommas, static_cast<int>(population.commas));
}

}  // namespace varnesk::ui
