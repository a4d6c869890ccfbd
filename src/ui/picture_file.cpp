#include "ui/picture_file.h"

#include <QImage>

#include <QSaveFile>
#include <utility>

namespace ui {

namespace {

// Line art suffers at the usual JPEG quality; the file stays small anyway.
constexpr int JPEG_QUALITY = 95;

} // namespace

PictureFormat format_for_name(const QString &file_name)
{
    const std::pair<const char *, PictureFormat> suffixes[] = {{".jpg", PictureFormat::Jpeg},
                                                               {".jpeg", PictureFormat::Jpeg},
                                                               {".png", PictureFormat::Png},
                                                               {".svg", PictureFormat::Svg}};
    for (const auto &[suffix, format] : suffixes) {
        if (file_name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return format;
    }
    return PictureFormat::Bmp;
}

bool write_picture(const QImage &image, const QByteArray &svg, const QString &file_name)
{
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    switch (format_for_name(file_name)) {
    case PictureFormat::Jpeg:
        written = image.save(&file, "JPEG", JPEG_QUALITY);
        break;
    case PictureFormat::Png:
        written = image.save(&file, "PNG");
        break;
    case PictureFormat::Svg:
        written = !svg.isEmpty() && file.write(svg) == svg.size();
        break;
    case PictureFormat::Bmp:
        written = image.save(&file, "BMP");
        break;
    }
    // Without a commit the temporary file is removed and the target untouched.
    return written && file.commit();
}

} // namespace ui
