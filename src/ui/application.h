#pragma once
// What the whole application shares: its names, look, default font and icon. The program and
// the window tests both start from it, so the tests see the windows the user sees.

namespace varnesk::ui {

// Call once, after the QApplication exists and before any window is made.
void prepareApplication();

}  // namespace varnesk::ui
