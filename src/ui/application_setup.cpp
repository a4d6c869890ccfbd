#include "ui/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace ui {

namespace {

// 宋体 (SimSun) is the face the pages are measured in. These installed faces
// stand in for it, best first: Noto Sans CJK SC stays crisp at 9 pt, where the
// thin strokes of a Song face break up on a 96 dpi screen.
const QStringList SONG_SUBSTITUTES = {
    QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Source Han Sans SC"),  QStringLiteral("AR PL UMing CN"),
    QStringLiteral("WenQuanYi Zen Hei"),   QStringLiteral("WenQuanYi Micro Hei"),
    QStringLiteral("Droid Sans Fallback"),
};

constexpr int PAGE_POINT_SIZE = 9;

// Option buttons and check boxes sit 855 twips apart with three characters of
// caption each: Fusion's 6 px between mark and caption would let them touch.
constexpr int MARK_TO_CAPTION = 3;

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
};

} // namespace

void setup_identity(QApplication &application)
{
    application.setApplicationName(QStringLiteral("Vantrel"));
    application.setOrganizationName(QStringLiteral("Quorbin"));
    application.setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Desktops match the windows to the installed entry, and its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vantrel-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

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
}

void setup_application(QApplication &application)
{
    setup_identity(application);
    setup_look(application);
}

} // namespace ui
