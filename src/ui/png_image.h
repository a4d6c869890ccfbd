// Reading the program's own PNG pictures without waking Qt's image plugins.
#pragma once

#include <QImage>
#include <QString>

namespace ui {

// A PNG from the resources. Qt's reader otherwise loads every image format
// plugin (and the SVG and JPEG libraries) to ask whether one of them wants the
// file, which costs start-up time and memory before the splash can appear.
QImage read_png(const QString &path);

} // namespace ui
