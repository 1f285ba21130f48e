#pragma once
// A menu entry of the core as a Qt action of the window: its keys work without opening the menu.
#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "engine/window_menu.h"

namespace varnesk::ui {

inline QAction* addMenuAction(QWidget* window, const MenuEntry& entry) {
  auto* action = new QAction(QString::fromStdString(entry.caption), window);
  QList<QKeySequence> keys;
  for (const std::string& key : entry.keys)
    keys << QKeySequence::fromString(QString::fromStdString(key), QKeySequence::PortableText);
  action->setShortcuts(keys);
  action->setCheckable(entry.checkable);
  window->addAction(action);
  return action;
}

}  // namespace varnesk::ui
