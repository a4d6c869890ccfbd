// Pic1: the white picture box that the vibration graph is drawn on. It keeps
// what was drawn as an image at the screen's pixel density, so the graph stays
// after the page is left or the window covered, until the next clear.
#pragma once

#include "mechanics/vibration_drawing.h"

#include <QFrame>
#include <QImage>

#include <optional>

namespace ui {

using mechanics::Drawing;
namespace op = mechanics::op;

class GraphSurface : public QFrame {
    Q_OBJECT
public:
    explicit GraphSurface(QWidget *parent = nullptr);

    // Runs the operations in order on the kept picture and shows the result.
    void play(const Drawing &drawing);

    // The whole drawing area as it stands, in device pixels.
    QImage take_image();
    // The same drawing as an SVG document, at the drawing area's size.
    QByteArray take_svg() const;
    // Puts the picture on the clipboard ("复制图像", Ctrl+C with the focus).
    void copy_picture();

    // The drawing area inside the frame, in device-independent pixels.
    QSize drawing_size() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What later operations depend on: pen width, coordinates, position.
    struct State {
        int line_width = 1;
        std::optional<op::SetCoordinates> coordinates; // none: pixel units
        QPointF position;                              // in user units
    };

    class Painter;

    void ensure_image();
    void replay();

    QImage image_;
    State state_;
    // Everything since the last clear, and the state the clear left behind, so
    // that the picture can be drawn again when the pixel density changes.
    State state_at_clear_;
    Drawing since_clear_;
};

} // namespace ui
