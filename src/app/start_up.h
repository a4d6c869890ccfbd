// Who the program is to the desktop, set before its first window.
#pragma once

class QApplication;

namespace app {

// Its name, version and desktop entry (which gives the desktop its icon).
// Cheap enough to run before the splash appears.
void setup_identity(QApplication &application);

} // namespace app
