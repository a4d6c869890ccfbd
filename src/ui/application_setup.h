// What the program sets up once, before its first window: the style, Qt's own
// Chinese texts and the CJK fonts that stand in for 宋体.
#pragma once

class QApplication;

namespace ui {

// Who the program is to the desktop: its name, its desktop entry and its icon.
// Cheap enough to run before the splash appears.
void setup_identity(QApplication &application);

// How the pages look: the style, Qt's own Chinese texts and the fonts. Only the
// main window and the windows it opens need it.
void setup_look(QApplication &application);

// Both of the above, for tools and tests that open windows at once.
void setup_application(QApplication &application);

} // namespace ui
