#include "ui/application_setup.h"

#include "ui/png_image.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

#include <algorithm>

namespace ui {

namespace {

// 宋体 (SimSun) is the face the pages are measured in. These installed faces
// stand in for it, best first. WenQuanYi Micro Hei stays crisp at 9 pt, where
// the thin strokes of a Song face break up on a 96 dpi screen, and its compact
// 5 MB file keeps the program 3.5 MiB lighter than Noto Sans CJK's 20 MB one:
// the kernel maps the file around every glyph read, so a face whose glyphs lie
// far apart costs resident memory out of proportion to the text shown.
const QStringList SONG_SUBSTITUTES = {
    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Noto Serif CJK SC"),   QStringLiteral("Source Han Sans SC"),
    QStringLiteral("AR PL UMing CN"),      QStringLiteral("WenQuanYi Zen Hei"),
    QStringLiteral("Droid Sans Fallback"),
};

constexpr int PAGE_POINT_SIZE = 9;

// Option buttons and check boxes sit 855 twips apart with three characters of
// caption each: Fusion's 6 px between mark and caption would let them touch.
constexpr int MARK_TO_CAPTION = 3;

// The page frame: Fusion's outline tone on a barely darker fill.
constexpr int GROUP_FRAME_DARKER = 140;
constexpr int GROUP_FILL_DARKER = 103;
constexpr qreal GROUP_FRAME_RADIUS = 2.0;
constexpr int GROUP_TOP_MARGIN = 3;

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

    // Fusion draws the page frames from a PNG, and reading it makes Qt load
    // every image plugin with the SVG and JPEG libraries: about 1 MiB and a few
    // milliseconds for a plain rounded rectangle, drawn here instead.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
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
        painter->setPen(option->palette.window().color().darker(GROUP_FRAME_DARKER));
        painter->setBrush(option->palette.window().color().darker(GROUP_FILL_DARKER));
        painter->drawRoundedRect(frame, GROUP_FRAME_RADIUS, GROUP_FRAME_RADIUS);
        painter->restore();
    }
};

} // namespace

void setup_look(QApplication &application)
{
    application.setStyle(new VantrelStyle(QStyleFactory::create(QStringLiteral("Fusion"))));

    // The interface is Chinese whatever the user's locale, so are Qt's buttons.
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    for (const char16_t *song : {u"宋体", u"SimSun"})
        QFont::insertSubstitutions(QString::fromUtf16(song), SONG_SUBSTITUTES);
    QFont font(QStringLiteral("宋体"), PAGE_POINT_SIZE);
    font.setStyleHint(QFont::SansSerif);
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
