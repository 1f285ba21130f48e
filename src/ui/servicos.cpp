#include "ui/servicos.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include "engine/population.h"
#include "engine/run_seeder.h"

namespace varnesk::ui {

namespace {
void caixaDeMensagem(QWidget* dono, const QString& texto) {
  QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Varnesk"), texto, QMessageBox::Ok, dono);
  caixa.exec();
}
}  // namespace

ServicosUi servicosDoPrograma() {
  return {caixaDeMensagem, [] { QCoreApplication::quit(); }, defaultPopulationPath(),
          clockSeed};
}

char separadorDecimalRegional() {
  const QString ponto = QLocale::system().decimalPoint();
  // The formats write one byte; a separator outside ASCII falls back to the period.
  if (ponto.size() == 1 && ponto.at(0).unicode() < 0x80) return static_cast<char>(ponto.at(0).unicode());
  return '.';
}

}  // namespace varnesk::ui
