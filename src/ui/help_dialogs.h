#pragma once
// The help menu's two windows: the teachers' guide, read inside the program, and what the
// program is, its version and its licence.
class QWidget;

namespace varnesk::ui {

// The guide shipped inside the program; its pictures come from the installed documentation
// when they are there. Stays open beside the window it was asked from.
void showTeacherGuide(QWidget* owner);

void showAbout(QWidget* owner);

}  // namespace varnesk::ui
