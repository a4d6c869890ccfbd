#include "ui/graph_surface.h"

#include "mechanics/drawing_svg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace ui {

using mechanics::Operation;
using mechanics::Point;
using mechanics::Rgb;

namespace {

QColor to_qcolor(Rgb c)
{
    return {c.red, c.green, c.blue};
}

// The centre of a pen stroke on the device pixel grid, so that axes and ticks
// cover whole pixels: between pixels for an even width, mid-pixel for an odd.
double snap(double logical, int pen_pixels, double ratio)
{
    const double device = logical * ratio;
    const long long device_width = std::llround(pen_pixels * ratio);
    const double snapped = device_width % 2 == 0 ? std::round(device) : std::floor(device) + 0.5;
    return snapped / ratio;
}

} // namespace

// Plays operations onto the kept image; lives for one batch.
class GraphSurface::Painter {
public:
    Painter(QPaintDevice &device, double ratio, State &state, QSize area, const QFont &font)
        : ratio_(ratio), state_(state), area_(area), painter_(&device)
    {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
        // Glyph size as on the screen, whatever resolution the image claims.
        QFont pixel_font = font;
        pixel_font.setPixelSize(QFontInfo(font).pixelSize());
        painter_.setFont(pixel_font);
    }

    ~Painter() { flush_curve(); }

    void run(const Operation &operation)
    {
        if (!std::holds_alternative<op::LineTo>(operation))
            flush_curve();
        std::visit([this](const auto &o) { apply(o); }, operation);
    }

private:
    // User units to device-independent pixels of the drawing area.
    QPointF to_area(QPointF user) const
    {
        if (!state_.coordinates)
            return user;
        const op::SetCoordinates &c = *state_.coordinates;
        return {(user.x() - c.x1) * area_.width() / (c.x2 - c.x1),
                (user.y() - c.y1) * area_.height() / (c.y2 - c.y1)};
    }

    QPointF snapped(QPointF user) const
    {
        const QPointF p = to_area(user);
        return {snap(p.x(), state_.line_width, ratio_), snap(p.y(), state_.line_width, ratio_)};
    }

    static QPointF user_point(Point p) { return {p.x, p.y}; }

    void apply(const op::Clear &)
    {
        painter_.fillRect(QRectF(QPointF(0, 0), QSizeF(area_)), Qt::white);
    }
    void apply(const op::SetCoordinates &c) { state_.coordinates = c; }
    void apply(const op::SetLineWidth &w) { state_.line_width = w.pixels; }
    void apply(const op::MoveTo &m) { state_.position = user_point(m.at); }

    // Axes and ticks: square ends cover the end pixels, like a plotter's dot.
    void apply(const op::Line &line)
    {
        painter_.setPen(QPen(Qt::black, state_.line_width, Qt::SolidLine, Qt::SquareCap));
        painter_.drawLine(snapped(user_point(line.from)), snapped(user_point(line.to)));
        state_.position = user_point(line.to);
    }

    // The curve: pieces in a row that share colour and width are stroked as
    // one line, so the smoothed edges of hundreds of short pieces do not pile
    // up into a thicker, darker curve.
    void apply(const op::LineTo &line)
    {
        const QColor colour = to_qcolor(line.colour);
        if (!curve_.isEmpty() && (colour != curve_colour_ || state_.line_width != curve_width_))
            flush_curve();
        if (curve_.isEmpty()) {
            curve_colour_ = colour;
            curve_width_ = state_.line_width;
            curve_.append(to_area(state_.position));
        }
        state_.position = user_point(line.to);
        curve_.append(to_area(state_.position));
    }

    void flush_curve()
    {
        if (curve_.isEmpty())
            return;
        painter_.setPen(
            QPen(curve_colour_, curve_width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawPolyline(curve_.constData(), static_cast<int>(curve_.size()));
        curve_.clear();
    }

    void apply(const op::Print &print)
    {
        const QPointF corner = to_area(state_.position);
        const QPointF whole(std::round(corner.x()), std::round(corner.y()));
        painter_.setPen(Qt::black);
        painter_.drawText(whole + QPointF(0, painter_.fontMetrics().ascent()),
                          QString::fromStdString(print.text));
    }

    double ratio_;
    State &state_;
    QSize area_;
    QPainter painter_;
    QList<QPointF> curve_;
    QColor curve_colour_;
    int curve_width_ = 1;
};

GraphSurface::GraphSurface(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // A click gives the graph the focus, for Ctrl+C; the menu offers the copy too.
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *copy = new QAction(QStringLiteral("复制图像"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &GraphSurface::copy_picture);
    addAction(copy);
}

QSize GraphSurface::drawing_size() const
{
    return contentsRect().size();
}

void GraphSurface::ensure_image()
{
    const double ratio = devicePixelRatioF();
    const QSize device_size = drawing_size() * ratio;
    if (!image_.isNull() && image_.size() == device_size && image_.devicePixelRatio() == ratio)
        return;
    image_ = QImage(device_size, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    replay();
}

void GraphSurface::replay()
{
    image_.fill(Qt::white);
    state_ = state_at_clear_;
    Painter painter(image_, image_.devicePixelRatio(), state_, drawing_size(), font());
    for (const Operation &operation : since_clear_)
        painter.run(operation);
}

QByteArray GraphSurface::take_svg() const
{
    // The operations since the last clear, after those that bring a fresh
    // surface to the state the clear left.
    Drawing drawing{op::SetLineWidth{state_at_clear_.line_width},
                    op::MoveTo{{static_cast<float>(state_at_clear_.position.x()),
                                static_cast<float>(state_at_clear_.position.y())}}};
    if (state_at_clear_.coordinates)
        drawing.push_back(*state_at_clear_.coordinates);
    drawing.insert(drawing.end(), since_clear_.begin(), since_clear_.end());
    // The labels' size as the surface draws them, whatever resolution it has.
    QFont pixel_font = font();
    pixel_font.setPixelSize(QFontInfo(font()).pixelSize());
    const mechanics::SvgCanvas canvas{drawing_size().width(), drawing_size().height(),
                                      QFontInfo(pixel_font).family().toStdString(),
                                      pixel_font.pixelSize(), QFontMetrics(pixel_font).ascent()};
    return QByteArray::fromStdString(mechanics::svg_document(drawing, canvas));
}

void GraphSurface::copy_picture()
{
    QApplication::clipboard()->setImage(take_image());
}

void GraphSurface::play(const Drawing &drawing)
{
    ensure_image();
    {
        Painter painter(image_, image_.devicePixelRatio(), state_, drawing_size(), font());
        for (const Operation &operation : drawing) {
            if (std::holds_alternative<op::Clear>(operation)) {
                since_clear_.clear();
                state_at_clear_ = state_;
            } else {
                since_clear_.push_back(operation);
            }
            painter.run(operation);
        }
    }
    update();
}

QImage GraphSurface::take_image()
{
    ensure_image();
    return image_;
}

void GraphSurface::paintEvent(QPaintEvent *event)
{
    ensure_image();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    painter.end();
    QFrame::paintEvent(event);
}

} // namespace ui
