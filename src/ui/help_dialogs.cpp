#include "ui/help_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

#include "common/dialog_texts.h"
#include "engine/window_menu.h"

namespace varnesk::ui {

void showTeacherGuide(QWidget* owner) {
  auto* dialog = new QDialog(owner);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setObjectName(QStringLiteral("TeacherGuide"));
  dialog->setWindowTitle(QString::fromUtf8(
      dialog_texts::kGuideTitle.data(), static_cast<qsizetype>(dialog_texts::kGuideTitle.size())));
  auto* browser = new QTextBrowser(dialog);
  browser->setOpenExternalLinks(true);
  // The installed tree keeps the pictures beside the guide (<prefix>/share/doc/varnesk); a
  // program run from its build tree finds them in the sources it was built from.
  browser->setSearchPaths({QCoreApplication::applicationDirPath() + "/../../share/doc/varnesk",
                           QStringLiteral(VARNESK_SOURCE_DOCS)});
  QFile guide(QStringLiteral(":/guia.md"));
  if (guide.open(QIODevice::ReadOnly)) browser->setMarkdown(QString::fromUtf8(guide.readAll()));
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser);
  const QRect screen = owner->screen()->availableGeometry();
  dialog->resize(std::min(760, screen.width() - 40), std::min(640, screen.height() - 60));
  dialog->show();
}

void showAbout(QWidget* owner) {
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(dialog_texts::kAboutTitle.data(),
                                    static_cast<qsizetype>(dialog_texts::kAboutTitle.size())),
                  QString::fromStdString(aboutText()), QMessageBox::Ok, owner);
  box.setIconPixmap(owner->windowIcon().pixmap(48));
  box.exec();
}

}  // namespace varnesk::ui
