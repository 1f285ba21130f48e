#include "ui/population_opening.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "engine/paste_question.h"
#include "engine/population_prompts.h"

namespace varnesk::ui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The questions, then the choice through `commit`.
template <class Commit>
bool choose(QWidget* owner, const UiServices& s, std::string_view content, const std::string& name,
            Commit commit) {
  ReadOptions options;
  PopulationPreview preview = previewPopulation(content, options.commas);
  if (preview.ambiguousCommas) {
    options.commas = s.askCommas(owner, text(commaQuestion(name)));
    if (options.commas == CommaAnswer::Unknown) return false;
    preview = previewPopulation(content, options.commas);
  }
  if (preview.needsColumn()) {
    const auto column =
        s.chooseColumn(owner, text(columnPrompt(name, preview.columns.size())), preview);
    if (!column) return false;
    options.column = std::to_string(*column + 1);
  }
  const std::optional<PopulationReading> reading = commit(options);
  if (!reading) return false;  // the teacher kept the population of now
  if (!reading->ok) {
    s.showMessage(owner, text(reading->message));
    return false;
  }
  if (s.remember) s.remember(s.choice->remembered());
  s.showMessage(owner, text(chosenMessage(name, reading->count)));
  return true;
}

std::filesystem::path localPath(const QString& file) { return file.toStdString(); }

class DropTarget : public QObject {
 public:
  DropTarget(QWidget* window, UiServices services)
      : QObject(window), services_(std::move(services)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (!file(drag->mimeData()).isEmpty()) drag->acceptProposedAction();
      return true;
    }
    if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString dropped = file(drop->mimeData());
      if (dropped.isEmpty()) return true;
      drop->acceptProposedAction();
      openPopulationFile(static_cast<QWidget*>(watched), services_, dropped);
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static QString file(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
  }
  UiServices services_;
};

}  // namespace

bool openPopulationFile(QWidget* owner, const UiServices& s, const QString& file) {
  if (!s.choice) return false;
  const std::filesystem::path path = localPath(file);
  const PopulationFileText content = readPopulationFile(path);
  if (!content.ok) {
    s.showMessage(owner, text(content.message));
    return false;
  }
  return choose(owner, s, content.text(), path.filename().string(),
                [&](const ReadOptions& options) -> std::optional<PopulationReading> {
                  return s.choice->choose({path, options});
                });
}

bool pastePopulation(QWidget* owner, const UiServices& s, const QString& pasted) {
  if (!s.choice) return false;
  const std::string content = pasted.toStdString();
  return choose(owner, s, content, std::string(kPastedName),
                [&](const ReadOptions& options) -> std::optional<PopulationReading> {
                  // Text the reader refuses gets its message from the choice, without a question.
                  const auto question = pasteQuestion(content, options, regionalDecimalSeparator());
                  if (question && s.usePasted && !s.usePasted(owner, text(*question)))
                    return std::nullopt;
                  return s.choice->chooseText(s.dataFolder / kPastedPopulationFile, content,
                                              options, std::string(kPastedName));
                });
}

void undoPopulationChoice(QWidget* owner, const UiServices& s) {
  if (!s.choice) return;
  const PopulationReading reading = s.choice->undo();
  if (reading.ok && s.remember) s.remember(s.choice->remembered());
  s.showMessage(owner, text(reading.message));
}

void useProgramPopulation(QWidget* owner, const UiServices& s) {
  if (!s.choice) return;
  s.choice->useProgramOwn();
  if (s.remember) s.remember(s.choice->remembered());
  s.showMessage(owner, text(programOwnMessage()));
}

void askPopulationFile(QWidget* owner, const UiServices& s) {
  const QString file =
      QFileDialog::getOpenFileName(owner, text(kOpenTitle), QString(), text(kOpenFilter));
  if (!file.isEmpty()) openPopulationFile(owner, s, file);
}

void startWithPopulation(QWidget* start, const UiServices& s,
                         const RememberedPopulation& remembered, const QString& file) {
  if (!s.choice) return;
  if (const auto gone = s.choice->restore(remembered)) s.showMessage(start, text(*gone));
  if (!file.isEmpty()) openPopulationFile(start, s, file);
}

void acceptPopulationDrops(QWidget* window, const UiServices& services) {
  if (!services.choice) return;
  window->setAcceptDrops(true);
  window->installEventFilter(new DropTarget(window, services));
}

}  // namespace varnesk::ui
