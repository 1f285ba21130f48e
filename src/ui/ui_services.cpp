#include "ui/ui_services.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include "common/messages.h"
#include "engine/population.h"
#include "ui/population_dialogs.h"
#include "ui/population_settings.h"

namespace varnesk::ui {

namespace {
void messageBox(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(messages::kMessageBoxTitle.data(),
                                    qsizetype(messages::kMessageBoxTitle.size())),
                  text, QMessageBox::Ok, owner);
  box.exec();
}
}  // namespace

UiServices programServices() {
  auto choice = std::make_shared<PopulationChoice>(defaultPopulationPath());
  UiServices services{messageBox, [] { QCoreApplication::quit(); },
                      [choice] { return choice->source(); }, nullptr};
  services.choice = choice;
  services.remember = rememberPopulation;
  services.askCommas = askCommasDialog;
  services.chooseColumn = columnChooserDialog;
  services.usePasted = usePastedDialog;
  services.dataFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  return services;
}

char regionalDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  // The formats write one byte; a separator outside ASCII falls back to the period.
  if (point.size() == 1 && point.at(0).unicode() < 0x80)
    return static_cast<char>(point.at(0).unicode());
  return '.';
}

}  // namespace varnesk::ui
