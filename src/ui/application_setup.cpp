#include "ui/application_setup.h"

#include "ui/png_image.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QResource>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

#include <algorithm>

namespace ui {

namespace {

// The pages are measured in twips for 宋体 9 pt. The program draws them in a
// face of its own, a cut of WenQuanYi Micro Hei built into it, so that every
// machine lays out and draws the same pixels: WenQuanYi stays crisp at 9 pt,
// where the thin strokes of a Song face break up on a 96 dpi screen. What a
// student types or pastes that the cut lacks comes from the system's faces.
const QString FACE_RESOURCE = QStringLiteral(":/fonts/vantrel-hei.ttf");
const QString FACE_FAMILY = QStringLiteral("Vantrel Hei");

constexpr int PAGE_POINT_SIZE = 9;

// Option buttons and check boxes sit 855 twips apart with three characters of
// caption each: Fusion's 6 px between mark and caption would let them touch.
constexpr int MARK_TO_CAPTION = 3;

// The page frame: Fusion's outline tone on a barely darker fill.
constexpr int GROUP_FRAME_DARKER = 140;
constexpr int GROUP_FILL_DARKER = 103;
constexpr qreal GROUP_FRAME_RADIUS = 2.0;
constexpr int GROUP_TOP_MARGIN = 3;

// In a palette lighter than its text, Fusion's outlines are a shade darker than
// the window. In a dark or high-contrast one that shade vanishes into the black:
// there boxes, marks and frames are outlined in this much of the text's colour
// over the window's, at least 3:1 against it.
constexpr double DARK_OUTLINE_TEXT_SHARE = 0.6;

QColor outline_colour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    if (!is_dark(palette))
        return window.darker(GROUP_FRAME_DARKER);
    const QColor text = palette.color(QPalette::WindowText);
    const auto mix = [](int t, int w) {
        return static_cast<int>(DARK_OUTLINE_TEXT_SHARE * t + (1 - DARK_OUTLINE_TEXT_SHARE) * w);
    };
    return QColor(mix(text.red(), window.red()), mix(text.green(), window.green()),
                  mix(text.blue(), window.blue()));
}

class VantrelStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
            return MARK_TO_CAPTION;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox) {
            draw_page_frame(option, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (is_dark(option->palette))
            draw_dark_outline(element, option, painter);
    }

private:
    // Fusion draws the page frames from a PNG, and reading it makes Qt load
    // every image plugin with the SVG and JPEG libraries: about 1 MiB and a few
    // milliseconds for a plain rounded rectangle, drawn here instead.
    void draw_page_frame(const QStyleOption *option, QPainter *painter, const QWidget *widget) const
    {
        // Like Fusion, the frame starts below the middle of the title line.
        const auto *group = qobject_cast<const QGroupBox *>(widget);
        const int title = group && !group->title().isEmpty()
                              ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                         option->fontMetrics.height())
                              : 0;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF frame =
            QRectF(option->rect).adjusted(0.5, title + GROUP_TOP_MARGIN + 0.5, -0.5, -0.5);
        painter->setPen(outline_colour(option->palette));
        painter->setBrush(option->palette.window().color().darker(GROUP_FILL_DARKER));
        painter->drawRoundedRect(frame, GROUP_FRAME_RADIUS, GROUP_FRAME_RADIUS);
        painter->restore();
    }

    // Over Fusion's own outline of a box or a mark, on the same line.
    static void draw_dark_outline(PrimitiveElement element, const QStyleOption *option,
                                  QPainter *painter)
    {
        const bool focused = option->state.testFlag(State_HasFocus);
        const QRectF inside = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(focused && element == PE_FrameLineEdit
                            ? option->palette.color(QPalette::Highlight)
                            : outline_colour(option->palette));
        switch (element) {
        case PE_FrameLineEdit:
            painter->drawRoundedRect(inside, GROUP_FRAME_RADIUS, GROUP_FRAME_RADIUS);
            break;
        case PE_IndicatorCheckBox:
            painter->drawRect(inside.adjusted(0, 0, -1, -1));
            break;
        case PE_IndicatorRadioButton:
            painter->drawEllipse(inside.adjusted(0, 0, -1, -1));
            break;
        default:
            break;
        }
        painter->restore();
    }
};

} // namespace

bool is_dark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

void setup_look(QApplication &application)
{
    application.setStyle(new VantrelStyle(QStyleFactory::create(QStringLiteral("Fusion"))));

    // The interface is Chinese whatever the user's locale, so are Qt's buttons.
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // Read in place from the program file, not copied.
    const QResource face(FACE_RESOURCE);
    QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char *>(face.data()), static_cast<qsizetype>(face.size())));
    QFont font(FACE_FAMILY, PAGE_POINT_SIZE);
    // The rendering the machine's font settings would otherwise choose, fixed:
    // light hinting and grey antialiasing, as Debian's defaults give.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                               QFont::PreferNoShaping));
    QApplication::setFont(font);

    // The splash carries no icon, so the icon waits until here. Only the small
    // sizes are built in; larger ones are left to the installed desktop entry:
    // every size given here is decoded and sent to the window manager with
    // each window.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString &name : icons.entryList({QStringLiteral("vantrel-*.png")}))
        icon.addPixmap(QPixmap::fromImage(read_png(icons.filePath(name))));
    QApplication::setWindowIcon(icon);
}

} // namespace ui
