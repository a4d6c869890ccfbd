#include "pages/si_units_page.h"

#include "ui/controls.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace pages {

namespace {

// One row per line of the card, name, symbol and unit twice.
constexpr const char16_t *CELLS[SiUnitsPage::ROWS][SiUnitsPage::COLUMNS] = {
    {u"名称", u"符号", u"单位", u"名称", u"符号", u"单位"},
    {u"位移", u"s", u"米", u"角速度", u"ω", u"弧度每秒"},
    {u"速度", u"v", u"米每秒", u"频率", u"f", u"赫兹"},
    {u"加速度", u"a", u"米每二次方秒", u"动量", u"p", u"千克米每秒"},
    {u"力", u"F", u"牛", u"力矩", u"M", u"牛米"},
    {u"功", u"W", u"焦", u"能量", u"E", u"焦"},
    {u"功率", u"P", u"瓦", u"压强", u"p", u"帕"},
};

// The ruling in twips of the page: the outer frame, then the rules between the
// rows and between the columns.
constexpr ui::Twips FRAME{240, 285, 4695, 1920};
constexpr int ROW_RULES[] = {680, 930, 1160, 1400, 1660, 1900};
constexpr int COLUMN_RULES[] = {960, 1440, 2520, 3200, 3720};

// Cells keep this much room between their text and the rules, in pixels: one
// clear pixel, and one for glyphs that round wider on a scaled screen.
constexpr int TEXT_MARGIN = 2;
// A text too wide for its cell at the page's size shrinks no further than this.
constexpr double SMALLEST_POINT_SIZE = 6.0;

int pixels(int twips)
{
    return ui::to_pixels(ui::Twips{twips, 0, 0, 0}).left();
}

QRect frame_pixels()
{
    return ui::to_pixels(FRAME);
}

// Pixel positions of the rules across the table, the frame's two edges included.
template <std::size_t N> std::array<int, N + 2> edges(int first, const int (&rules)[N], int last)
{
    std::array<int, N + 2> result{};
    result.front() = first;
    for (std::size_t i = 0; i < N; ++i)
        result[i + 1] = pixels(rules[i]);
    result.back() = last;
    return result;
}

std::array<int, SiUnitsPage::ROWS + 1> row_edges()
{
    return edges(frame_pixels().top(), ROW_RULES, frame_pixels().bottom());
}

std::array<int, SiUnitsPage::COLUMNS + 1> column_edges()
{
    return edges(frame_pixels().left(), COLUMN_RULES, frame_pixels().right());
}

// The rules, one pixel wide in the window-text colour, under the cell texts.
class Ruling : public QWidget {
public:
    explicit Ruling(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Shape1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        // Centre each line on its pixel so that it stays one pixel (one scaled
        // pixel on a dense screen) wide and sharp.
        const auto line = [&](int x1, int y1, int x2, int y2) {
            painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
        };
        const auto rows = row_edges();
        const auto columns = column_edges();
        for (int y : rows)
            line(columns.front(), y, columns.back(), y);
        for (int x : columns)
            line(x, rows.front(), x, rows.back());
    }
};

} // namespace

QString SiUnitsPage::cell_text(int row, int column)
{
    return QString::fromUtf16(CELLS[row][column]);
}

QString SiUnitsPage::cell_name(int row, int column)
{
    return QStringLiteral("Label%1_%2").arg(41 + row).arg(column);
}

QRect SiUnitsPage::cell_rect(int row, int column)
{
    const auto rows = row_edges();
    const auto columns = column_edges();
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    return QRect(QPoint(columns[c] + 1, rows[r] + 1), QPoint(columns[c + 1] - 1, rows[r + 1] - 1));
}

SiUnitsPage::SiUnitsPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame7", u"常用力学的SI单位", {}, std::move(services), parent)
{
    auto *ruling = new Ruling(this);
    ruling->setGeometry(0, 0, frame_pixels().right() + 1, frame_pixels().bottom() + 1);

    // Each cell is its own centred label, so the columns line up in any font.
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const QString text = cell_text(row, column);
            const QRect cell = cell_rect(row, column);
            auto *label = new QLabel(text, this);
            label->setObjectName(cell_name(row, column));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setFocusPolicy(Qt::NoFocus);
            label->setTextInteractionFlags(Qt::NoTextInteraction);

            const int room = cell.width() - 2 * TEXT_MARGIN;
            QFont font = label->font();
            while (QFontMetrics(font).horizontalAdvance(text) > room &&
                   font.pointSizeF() > SMALLEST_POINT_SIZE)
                font.setPointSizeF(font.pointSizeF() - 0.25);
            label->setFont(font);

            // As wide as the cell and as high as a line, its ink centred on the
            // row: a CJK face's line box sits the ink off its middle, close to a
            // rule of the narrower rows (the labels are transparent and hide none).
            const QFontMetrics metrics(font);
            const QRect ink = metrics.tightBoundingRect(text);
            const int top = cell.center().y() - metrics.ascent() - (ink.top() + ink.bottom()) / 2;
            label->setGeometry(cell.left(), top, cell.width(), metrics.height() + 2);
        }
    }
}

} // namespace pages
