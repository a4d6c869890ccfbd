// Writing the graph picture to the file the user named.
#pragma once

#include <QByteArray>
#include <QString>

class QImage;

namespace ui {

enum class PictureFormat { Bmp, Jpeg, Png, Svg };

// A name ending in .jpg or .jpeg, .png or .svg, in any case, gets that format;
// every other name, one without an extension included, gets a Windows bitmap.
PictureFormat format_for_name(const QString &file_name);

// Writes `image`, or for an SVG name the document `svg`, under `file_name`
// exactly as given, through a temporary file that replaces the target only once
// it is complete: a failed write leaves an existing file of that name as it
// was. False when anything failed.
bool write_picture(const QImage &image, const QByteArray &svg, const QString &file_name);

} // namespace ui
