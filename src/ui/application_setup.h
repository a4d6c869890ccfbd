// What the program sets up once, before its first window: the style, Qt's own
// Chinese texts and the CJK fonts that stand in for 宋体.
#pragma once

class QApplication;

namespace ui {

void setup_application(QApplication &application);

} // namespace ui
