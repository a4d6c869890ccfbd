// What the program sets up once, before its first window: the style, Qt's own
// Chinese texts and the program's face, built into it.
#pragma once

class QApplication;
class QPalette;

namespace ui {

// How the pages look: the style, Qt's own Chinese texts and the face. Only the
// main window and the windows it opens need it.
void setup_look(QApplication &application);

// A palette darker than its text: a dark or high-contrast desktop.
bool is_dark(const QPalette &palette);

} // namespace ui
