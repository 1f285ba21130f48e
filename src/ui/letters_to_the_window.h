#pragma once
// A number box takes digits only: a letter typed in it is left to the window's keys, so that P
// pauses a playback even right after its speed was typed.
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

namespace varnesk::ui {

class LettersToTheWindow : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    return text.size() == 1 && text.at(0).isLetter();
  }
};

}  // namespace varnesk::ui
