// What the student sees: every window after a typical use, pixel for pixel as
// its reference picture whatever faces the machine has, in the light, a dark and
// a high-contrast palette; every text inside its control. QT_SCALE_FACTOR
// chooses the scale; references exist at 100% and 200%.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "support/data.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/formula_label.h"
#include "ui/qt_services.h"
#include "ui/working_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

#include <cmath>

namespace {

const qreal SCALE = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
const QString REFERENCES = VANTREL_TEST_DATA "/pictures/" + QString::number(qRound(SCALE * 100));

// Device pixels of `r`, in logical pixels of a widget shown at `ratio`.
QRect device(QRectF r, qreal ratio)
{
    return QRectF(r.topLeft() * ratio, r.size() * ratio).toAlignedRect();
}

// Grabbed on the page's colour, where a widget leaves its background unpainted.
QImage picture(QWidget *w)
{
    QCoreApplication::processEvents();
    QImage image = w->grab().toImage(), flat(image.size(), QImage::Format_RGB32);
    flat.fill(w->palette().color(QPalette::Window));
    image.setDevicePixelRatio(1);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

QPalette palette(QColor window, QColor text, QColor base, QColor highlight, QColor link)
{
    QPalette p(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
               text, base, window);
    p.setColor(QPalette::Highlight, highlight), p.setColor(QPalette::Link, link);
    return p;
}

// What `w` draws over a blank widget (on a button or a note: what its text
// adds), in its parent's device pixels. With `grown`, drawn without the clip of
// its rectangle: the widget grows away from where its text is anchored. A
// formula centres itself on its height, so it grows only sideways.
QRegion ink(QWidget *w, bool grown = true)
{
    const QRect place = w->geometry();
    Qt::Alignment anchor =
        qobject_cast<QPushButton *>(w) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    int g = grown ? 24 : 0, h = g;
    auto *label = qobject_cast<QLabel *>(w);
    if (label) {
        anchor = label->alignment();
        h = label->wordWrap() ? 0 : g;
    } else if (const auto *formula = qobject_cast<ui::FormulaLabel *>(w)) {
        anchor = formula->alignment() | Qt::AlignTop;
        g = 0;
    }
    w->setGeometry(place.adjusted(anchor & (Qt::AlignRight | Qt::AlignHCenter) ? -h : 0,
                                  anchor & (Qt::AlignBottom | Qt::AlignVCenter) ? -g : 0,
                                  anchor & (Qt::AlignLeft | Qt::AlignHCenter) ? h : 0,
                                  anchor & (Qt::AlignTop | Qt::AlignVCenter) ? g : 0));
    const QImage drawn = picture(w);
    QImage bare;
    if (qobject_cast<QPushButton *>(w) || (label && label->autoFillBackground())) {
        const QVariant text = w->property("text");
        w->setProperty("text", QString());
        bare = picture(w);
        w->setProperty("text", text);
    } else {
        QWidget blank(w->parentWidget());
        blank.setGeometry(w->geometry());
        bare = picture(&blank);
    }
    const QPoint origin = (QPointF(w->pos()) * w->devicePixelRatioF()).toPoint();
    w->setGeometry(place);
    QRegion inked;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0, start = 0; x <= drawn.width(); ++x) {
            if (x < drawn.width() && drawn.pixel(x, y) != bare.pixel(x, y))
                continue;
            if (x > start)
                inked += QRect(origin + QPoint(start, y), QSize(x - start, 1));
            start = x + 1;
        }
    }
    return inked;
}

// What another control covers: the whole of a box, a button, a list or the
// graph; of a label, a mark or a ruling only its ink. The note that the energy
// page shows over its captions covers them.
QRegion body(QWidget *w)
{
    const bool marks = qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w);
    const bool whole = qobject_cast<QAbstractButton *>(w)
                           ? !marks
                           : qobject_cast<QFrame *>(w) && !qobject_cast<QLabel *>(w);
    return whole || qobject_cast<QLineEdit *>(w)
               ? QRegion(device(w->geometry(), w->devicePixelRatioF()))
               : ink(w, false);
}

bool covers(const QWidget *above, const QWidget *below)
{
    const QObjectList &stack = above->parent()->children();
    return above->autoFillBackground() && stack.indexOf(above) > stack.indexOf(below);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { services_ = std::make_shared<test::FakeServices>(); }
    void scenes_data();
    void scenes();
    void layout();

private:
    void compare(const QString &name, const QImage &image);
    void check_layout(QWidget *root);
    std::shared_ptr<test::FakeServices> services_;
};

// Compares with the reference, or writes it with VANTREL_UPDATE_PICTURES set. A
// difference fails with a picture of it: what differs in red over the picture.
void PicturesTest::compare(const QString &name, const QImage &image)
{
    const QImage reference =
        QImage(REFERENCES + "/" + name + ".png").convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("VANTREL_UPDATE_PICTURES")) {
        QVERIFY(QDir().mkpath(REFERENCES) && image.save(REFERENCES + "/" + name + ".png"));
        return;
    }
    if (reference == image)
        return;
    QImage difference =
        image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!reference.valid(x, y) || reference.pixel(x, y) != image.pixel(x, y))
                difference.setPixel(x, y, qRgb(255, 0, 0));
    const QString out = QDir::current().absoluteFilePath("picture-differences/" + name);
    QVERIFY(QDir().mkpath(QFileInfo(out).path()) && difference.save(out + "-difference.png"));
    QFAIL(qPrintable(name + " differs from its reference: " + out + "-difference.png"));
}

void PicturesTest::scenes_data()
{
    QTest::addColumn<QString>("steps");
    for (const QString &line : test::data_lines("pictures/scenes.txt"))
        QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.section(" | ", 1);
}

void PicturesTest::scenes()
{
    QFETCH(QString, steps);
    if (SCALE != 1 && SCALE != 2 && !qEnvironmentVariableIsSet("VANTREL_UPDATE_PICTURES"))
        QSKIP("reference pictures are kept at 100% and 200%");
    // dark-… and contrast-… scenes are drawn in a dark and a high-contrast palette.
    const QString tag = QTest::currentDataTag();
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    if (tag.startsWith("dark-"))
        QApplication::setPalette(palette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42),
                                         QColor(42, 130, 218), QColor(90, 170, 255)));
    if (tag.startsWith("contrast-")) // white on black, or yellow: outlines keep its hue
        QApplication::setPalette(palette(Qt::black, tag.contains("yellow") ? Qt::yellow : Qt::white,
                                         Qt::black, QColor(26, 235, 255), Qt::yellow));
    services_->colour_answers.push_back(QColor(0, 96, 192));
    app::Frmload window(services_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::steps(&window, steps);
    if (QWidget *about = window.about_window()) {    // a scene that opens About pictures it alone
        const std::unique_ptr<QWidget> owned(about); // About has no owner: it outlives the window
        return compare(tag, picture(about));
    }
    if (QWidget *panel = window.working_panel()) {
        // Side by side, as on the desktop, on the panel's background.
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCoreApplication::processEvents();
        const QImage left = picture(&window), right = picture(panel);
        QImage both(left.width() + right.width(), std::max(left.height(), right.height()),
                    QImage::Format_RGB32);
        both.fill(Qt::black);
        QPainter(&both).drawImage(0, 0, left);
        QPainter(&both).drawImage(left.width(), 0, right);
        return compare(tag, both);
    }
    compare(tag, picture(&window));
    if (tag != "si")
        return;
    const auto box = ui::make_message_box(&window, "请正确输入！\r\n任意三个已知量，两个未知量。");
    box->show();
    compare("message", picture(box.get()));
    const std::unique_ptr<app::Frmfirst> splash(new app::Frmfirst([] { return new QWidget; }));
    splash->show();
    compare("splash", picture(splash.get()));
}

// Every text inside its control and a pixel inside its page's frame, touching no
// other control.
void PicturesTest::check_layout(QWidget *root)
{
    const int mark = root->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    for (QWidget *w : root->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QAbstractButton *>(w);
        // A check box as narrow as its mark shows no caption: those of S and t
        // are hidden behind their row captions by the page's geometry.
        const bool text = qobject_cast<ui::FormulaLabel *>(w) ||
                          (label && (!label->text().isEmpty() || !label->pixmap().isNull())) ||
                          (button && !button->text().isEmpty() &&
                           !(qobject_cast<QCheckBox *>(w) && w->width() <= mark + 4));
        if (!w->isVisible() || !text)
            continue;
        const QRegion inked = ink(w);
        const qreal ratio = w->devicePixelRatioF();
        const QString name = w->objectName();
        // A formula centred on its height that touches its top or bottom row is cut.
        const int edge = qobject_cast<ui::FormulaLabel *>(w) ? 1 : 0;
        QVERIFY2((inked - device(w->geometry(), ratio).adjusted(0, edge, 0, -edge)).isEmpty(),
                 qPrintable(name + " is cut off"));
        for (QWidget *other :
             w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(other == w || !other->isVisible() || covers(w, other) || covers(other, w) ||
                         !body(other).intersects(inked),
                     qPrintable(name + " runs into " + other->objectName()));
        // The working's button stands in the title band, above the frame.
        auto *page = qobject_cast<QGroupBox *>(w->parentWidget());
        if (page && name != "ShowWorking") {
            // The frame's top line: the first row that stands out (a contrast of
            // 1.2 : 1 on the light window), down the middle.
            const QImage drawn = picture(page);
            int line = 1;
            while (std::abs(qGray(drawn.pixel(drawn.width() / 2, 0)) -
                            qGray(drawn.pixel(drawn.width() / 2, line))) < 20)
                ++line;
            const QRect inside = device(page->rect(), ratio).adjusted(2, line + 2, -2, -2);
            QVERIFY2((inked - inside).isEmpty(),
                     qPrintable(name + " is not inside its page's frame"));
        }
    }
}

void PicturesTest::layout()
{
    app::Frmload window(services_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::steps(&window,
                "Text1=5 Text2=5 Text3=120 Option2 CurtButton1_9 CurtButton1_3 CurtButton1_12");
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        QTest::mouseClick(test::control<QAbstractButton>(&window, QString("CurtButton1_%1").arg(n)),
                          Qt::LeftButton);
        check_layout(&window);
    }
    app::Frmabout about(services_);
    about.show();
    check_layout(&about);
}

VANTREL_GUI_TEST_MAIN(PicturesTest)

#include "pictures_test.moc"
