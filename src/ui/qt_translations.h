#pragma once
// Qt's own texts (file dialogs, standard buttons) in the user's language, from the translations
// the system keeps for Qt.
class QLocale;
class QTranslator;

namespace varnesk::ui {

// Installs Qt's translation for `locale` in the application; null when the system has none
// (English stays). The caller may remove and delete it again.
QTranslator* installQtTranslations(const QLocale& locale);

}  // namespace varnesk::ui
