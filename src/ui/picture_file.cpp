#include "ui/picture_file.h"

#include <QImage>
#include <QSaveFile>

namespace ui {

namespace {

// Line art suffers at the usual JPEG quality; the file stays small anyway.
constexpr int JPEG_QUALITY = 95;

} // namespace

PictureFormat format_for_name(const QString &file_name)
{
    for (const char *suffix : {".jpg", ".jpeg"}) {
        if (file_name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return PictureFormat::Jpeg;
    }
    return PictureFormat::Bmp;
}

bool write_picture(const QImage &image, const QString &file_name)
{
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = format_for_name(file_name) == PictureFormat::Jpeg
                             ? image.save(&file, "JPEG", JPEG_QUALITY)
                             : image.save(&file, "BMP");
    // Without a commit the temporary file is removed and the target untouched.
    return written && file.commit();
}

} // namespace ui
