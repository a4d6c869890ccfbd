#include "app/about_window.h"

#include "app/version.h"
#include "ui/application_setup.h"
#include "ui/controls.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace app {

namespace {

using ui::Kind;

constexpr int CLIENT_WIDTH = 3600;
constexpr int CLIENT_HEIGHT = 1980;
constexpr int ICON_PIXELS = 32;

// Twips inside Frame1, the borderless box beside the icon.
constexpr ui::ControlRow LINES[] = {
    {Kind::Label, "Label1", {120, 120, 2655, 255}, u"Vantrel"},
    {Kind::Label, "Label2", {120, 360, 2655, 255}, u"设计与编程：Vantrel 开发组"},
    {Kind::Label, "Label6", {120, 600, 1935, 255}, u"Quorbin"},
    {Kind::Label, "Label5", {120, 840, 2415, 255}, u"中学物理教学软件工作室"},
};
constexpr ui::Twips MAIL_LINE{120, 1080, 2415, 255};

} // namespace

const QString Frmabout::MAIL_ADDRESS = QStringLiteral("mail@example.org");

Frmabout::Frmabout(std::shared_ptr<ui::Services> services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("Frmabout"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(ui::to_pixels(CLIENT_WIDTH, CLIENT_HEIGHT));

    // First in the tab order, so it has the focus and Enter or Space closes.
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAccessibleName(ok->text());
    ok->setGeometry(ui::to_pixels({1320, 1560, 975, 340}));
    ok->setAutoDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(ui::to_pixels({120, 240, 480, 480}));
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QApplication::windowIcon().pixmap(ICON_PIXELS, ICON_PIXELS));

    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(ui::to_pixels({600, 120, 2775, 1335}));
    ui::build_controls(frame, LINES);

    // The e-mail line looks and behaves like a link.
    Label4 = new QLabel(QStringLiteral("E-mail:") + MAIL_ADDRESS, frame);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAccessibleName(Label4->text());
    Label4->setGeometry(ui::to_pixels(MAIL_LINE));
    QFont font = Label4->font();
    font.setUnderline(true);
    Label4->setFont(font);
    // Link blue, unless the desktop's palette is dark: there its own link colour.
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::WindowText,
                     ui::is_dark(palette) ? palette.color(QPalette::Link) : QColor(0, 0, 255));
    Label4->setPalette(palette);
    Label4->setCursor(Qt::PointingHandCursor);
    ui::on_left_click(Label4, [this] { open_mail_link(); });

    // The load step. A screen reader reads the line as shown.
    auto *version = ui::child<QLabel>(frame, "Label1");
    version->setText(build_version_line(VERSION_MAJOR, VERSION_MINOR));
    version->setAccessibleName(version->text());
    make_topmost();
}

QString Frmabout::build_version_line(int major, int minor)
{
    return QStringLiteral("Vantrel v%1.%2").arg(major).arg(minor);
}

void Frmabout::make_topmost()
{
    // Before the window is first shown this only changes a hint: it keeps its
    // place and size.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void Frmabout::open_mail_link()
{
    services_->open_url(QUrl(QStringLiteral("mailto:") + MAIL_ADDRESS));
}

void Frmabout::showEvent(QShowEvent *event)
{
    ui::centre_on_first_show(this, centred_);
    QWidget::showEvent(event);
}

} // namespace app
