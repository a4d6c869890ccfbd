#include "ui/png_image.h"

#include <QImageReader>

namespace ui {

QImage read_png(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace ui
