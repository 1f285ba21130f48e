#pragma once
// The teacher's ways to a population on the desktop: a file (opened, dropped or given on the
// command line), a column pasted from a spreadsheet, or back to the program's own. Each asks
// what the file cannot say, checks the whole reading and only then changes the choice; a
// refusal is shown in the reader's words and the earlier choice stays.
#include <QString>

#include "ui/ui_services.h"

class QWidget;

namespace varnesk::ui {

// True once the population is the teacher's.
bool openPopulationFile(QWidget* owner, const UiServices& services, const QString& file);
bool pastePopulation(QWidget* owner, const UiServices& services, const QString& text);
void useProgramPopulation(QWidget* owner, const UiServices& services);
// "Desfazer troca de população": the choice before the last change, if it still reads.
void undoPopulationChoice(QWidget* owner, const UiServices& services);

// The file dialog of "Abrir população…", then the file.
void askPopulationFile(QWidget* owner, const UiServices& services);

// At the program's start, over its first window: the remembered population, or the program's
// own with a message when its file is gone; then `file` from the command line, if any.
void startWithPopulation(QWidget* start, const UiServices& services,
                         const RememberedPopulation& remembered, const QString& file);

// A file dropped on `window` becomes the population of the windows opened afterwards.
void acceptPopulationDrops(QWidget* window, const UiServices& services);

}  // namespace varnesk::ui
