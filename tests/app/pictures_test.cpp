// What the student sees: every window after a typical use, pixel for pixel as
// its reference picture whatever faces the machine has; every text inside its
// control; outlines and texts that stay visible in dark and high-contrast
// palettes. QT_SCALE_FACTOR chooses the scale; references exist at 100% and 200%.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/formula_label.h"
#include "ui/qt_services.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <cmath>

namespace {

const qreal SCALE = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
const QString REFERENCES = VANTREL_TEST_DATA "/pictures/" + QString::number(qRound(SCALE * 100));

QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A widget's place in `window`'s picture, in device pixels.
QRect in_picture(const QWidget *widget, const QWidget *window, QRect rect = {})
{
    rect = rect.isNull() ? widget->rect() : rect;
    const QRectF logical(widget->mapTo(window, rect.topLeft()), rect.size());
    const qreal ratio = window->devicePixelRatioF();
    return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

// Relative luminance and contrast ratio as WCAG 2.1 defines them.
double luminance(QRgb c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const auto [dark, light] = std::minmax(luminance(a), luminance(b));
    return (light + 0.05) / (dark + 0.05);
}

// How well the outline of `r` stands out: from two pixels outside the middle of
// each side, the strongest contrast met within four pixels inward against that
// outside pixel; the weakest side counts. The top of a page, its title, is left.
double outline_contrast(const QImage &image, QRect r, bool page = false)
{
    const QPoint c = r.center();
    const std::pair<QPoint, QPoint> sides[] = {{{r.left() - 2, c.y()}, {1, 0}},
                                               {{r.right() + 2, c.y()}, {-1, 0}},
                                               {{c.x(), r.bottom() + 2}, {0, -1}},
                                               {{c.x(), r.top() - 2}, {0, 1}}};
    double weakest = 21;
    for (const auto &[outside, inward] : std::span(sides).first(page ? 3 : 4)) {
        double strongest = 1;
        for (int step = 1; step <= 4; ++step)
            strongest = std::max(
                strongest, contrast(image.pixel(outside), image.pixel(outside + step * inward)));
        weakest = std::min(weakest, strongest);
    }
    return weakest;
}

// The strongest contrast inside `r` against the colour that fills most of it.
double text_contrast(const QImage &image, QRect r)
{
    QHash<QRgb, int> count;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++count[image.pixel(x, y)];
    const QRgb ground =
        std::max_element(count.keyValueBegin(), count.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double strongest = 1;
    for (auto it = count.keyBegin(); it != count.keyEnd(); ++it)
        strongest = std::max(strongest, contrast(*it, ground));
    return strongest;
}

QPalette palette(QColor window, QColor text, QColor base, QColor highlight, QColor link)
{
    QPalette p(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
               text, base, window);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, window);
    p.setColor(QPalette::Link, link);
    p.setColor(QPalette::Disabled, QPalette::Text, text.darker(140));
    return p;
}

bool shows_text(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    const auto *label = qobject_cast<const QLabel *>(w);
    return qobject_cast<const ui::FormulaLabel *>(w) ||
           (label && (!label->text().isEmpty() || !label->pixmap().isNull()));
}

// Logical pixels to device pixels.
QRect device(QRect r, qreal ratio)
{
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toAlignedRect();
}

// What `w` draws over a blank widget (on a button or a note: what its text
// adds), in its
// parent's device pixels. With `grown`, drawn without the clip of its rectangle:
// the widget is grown away from where its text is anchored. A formula centres
// itself on its height, so it grows only sideways and must keep off its edges.
QRegion ink(QWidget *w, bool grown = true)
{
    const QRect place = w->geometry();
    Qt::Alignment anchor = Qt::AlignLeft | Qt::AlignVCenter;
    int g = grown ? 24 : 0, h = g;
    if (const auto *label = qobject_cast<QLabel *>(w)) {
        anchor = label->alignment();
        h = label->wordWrap() ? 0 : g;
    } else if (const auto *formula = qobject_cast<ui::FormulaLabel *>(w)) {
        anchor = formula->alignment() | Qt::AlignTop;
        g = 0;
    } else if (qobject_cast<QPushButton *>(w)) {
        anchor = Qt::AlignCenter;
    }
    w->setGeometry(place.adjusted(anchor & (Qt::AlignRight | Qt::AlignHCenter) ? -h : 0,
                                  anchor & (Qt::AlignBottom | Qt::AlignVCenter) ? -g : 0,
                                  anchor & (Qt::AlignLeft | Qt::AlignHCenter) ? h : 0,
                                  anchor & (Qt::AlignTop | Qt::AlignVCenter) ? g : 0));
    // Grabs on the page's colour, where a widget leaves its background unpainted.
    const auto grab = [ground = w->palette().color(QPalette::Window)](QWidget *widget) {
        QImage image = widget->grab().toImage(), flat(image.size(), QImage::Format_RGB32);
        flat.fill(ground);
        image.setDevicePixelRatio(1);
        QPainter(&flat).drawImage(0, 0, image);
        return flat;
    };
    const QImage drawn = grab(w);
    QImage bare;
    auto *button = qobject_cast<QPushButton *>(w);
    auto *label = qobject_cast<QLabel *>(w);
    if (button || (label && label->autoFillBackground())) {
        const QString caption = w->property("text").toString();
        w->setProperty("text", QString());
        bare = grab(w);
        w->setProperty("text", caption);
    } else {
        QWidget blank(w->parentWidget());
        blank.setGeometry(w->geometry());
        bare = grab(&blank);
    }
    const qreal ratio = w->devicePixelRatioF();
    const QPoint origin = (QPointF(w->pos()) * ratio).toPoint();
    w->setGeometry(place);
    QRegion inked;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0, start = -1; x <= drawn.width(); ++x) {
            const bool in = x < drawn.width() && drawn.pixel(x, y) != bare.pixel(x, y);
            if (in && start < 0)
                start = x;
            if (!in && start >= 0) {
                inked += QRect(origin + QPoint(start, y), QSize(x - start, 1));
                start = -1;
            }
        }
    }
    return inked;
}

// The note that the energy page shows over its captions hides them.
bool covers(const QWidget *above, const QWidget *below)
{
    const QObjectList &stack = above->parent()->children();
    return above->autoFillBackground() && stack.indexOf(above) > stack.indexOf(below);
}

// What another control covers: the whole of a box, a button, a list or the
// graph; of a label, a mark or a ruling only its ink.
QRegion body(QWidget *w)
{
    const auto *button = qobject_cast<QAbstractButton *>(w);
    const bool whole =
        (button && !qobject_cast<QCheckBox *>(w) && !qobject_cast<QRadioButton *>(w)) ||
        qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
        (qobject_cast<QFrame *>(w) && !qobject_cast<QLabel *>(w));
    return whole ? QRegion(device(w->geometry(), w->devicePixelRatioF())) : ink(w, false);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { services_ = std::make_shared<test::FakeServices>(); }
    void scenes_data();
    void scenes();
    void layout();
    void palettes();

private:
    void compare(const QString &name, QWidget *widget);
    void check_layout(QWidget *root);
    std::shared_ptr<test::FakeServices> services_;
};

// Compares with the reference, or writes it with VANTREL_UPDATE_PICTURES set. A
// difference fails with a picture of it: what differs in red over the picture.
void PicturesTest::compare(const QString &name, QWidget *widget)
{
    QCoreApplication::processEvents();
    const QImage image = picture(widget), reference(REFERENCES + "/" + name + ".png");
    if (qEnvironmentVariableIsSet("VANTREL_UPDATE_PICTURES")) {
        QVERIFY(QDir().mkpath(REFERENCES) && image.save(REFERENCES + "/" + name + ".png"));
        return;
    }
    if (reference.convertToFormat(QImage::Format_RGB32) == image)
        return;
    QImage difference =
        image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!reference.valid(x, y) || reference.pixel(x, y) != image.pixel(x, y))
                difference.setPixel(x, y, qRgb(255, 0, 0));
    const QString out = QDir::current().absoluteFilePath("picture-differences/" + name);
    QDir().mkpath(QFileInfo(out).path());
    image.save(out + ".png");
    difference.save(out + "-difference.png");
    QFAIL(qPrintable(QString("%1 differs from its reference: %2-difference.png").arg(name, out)));
}

void PicturesTest::scenes_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("forces") << "Text1=5 Text2=5 Text3=120 Option2 CurtButton1_9";
    QTest::newRow("linear") << "CurtButton1_1 Check1 Text5=0 Check3 Text7=1 Check4 Text8=1E-11 "
                               "CurtButton1_10";
    QTest::newRow("circular") << "CurtButton1_2 Text10=2 Text12=1 Text13=3 CurtButton1_11";
    QTest::newRow("energy") << "CurtButton1_3 CurtButton1_12";
    QTest::newRow("work") << "CurtButton1_4 Text16=-1.23456789012346E+15 Text17=2 Option6 Text19=3 "
                             "Text20=2 Combo1=1 CurtButton1_13";
    QTest::newRow("vibration")
        << "CurtButton1_5 Text23=0.8 Text24=2 Command1 Option8 CurtButton1_14";
    QTest::newRow("satellite") << "CurtButton1_6 Text25=36000000 CurtButton1_16";
    QTest::newRow("si") << "CurtButton1_7";
}

void PicturesTest::scenes()
{
    QFETCH(QString, steps);
    if (SCALE != 1 && SCALE != 2 && !qEnvironmentVariableIsSet("VANTREL_UPDATE_PICTURES"))
        QSKIP("reference pictures are kept at 100% and 200%");
    services_->colour_answers.push_back(QColor(0, 96, 192));
    app::Frmload window(services_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::steps(&window, steps);
    compare(QTest::currentDataTag(), &window);
    if (QTest::currentDataTag() != QString("si"))
        return;
    app::Frmabout about(services_);
    about.show();
    compare("about", &about);
    const std::unique_ptr<QMessageBox> box =
        ui::make_message_box(&window, "请正确输入！\r\n任意三个已知量，两个未知量。");
    box->show();
    compare("message", box.get());
    auto *splash = new app::Frmfirst([] { return new QWidget; });
    splash->show();
    compare("splash", splash);
    delete splash;
}

// Every text inside its control and the page frame, touching no other control:
// on every page, in About, after the scenes' computations.
void PicturesTest::check_layout(QWidget *root)
{
    const int mark = root->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    for (QWidget *w : root->findChildren<QWidget *>()) {
        // A check box as narrow as its mark shows no caption: those of S and t
        // are hidden behind their row captions by the page's geometry.
        if (!w->isVisible() || !shows_text(w) ||
            (qobject_cast<QCheckBox *>(w) && w->width() <= mark + 4))
            continue;
        const QRegion inked = ink(w);
        const qreal ratio = w->devicePixelRatioF();
        const QString name = w->objectName();
        // A formula centres itself on its height: touching its top or bottom row, it is cut.
        const int edge = qobject_cast<ui::FormulaLabel *>(w) ? 1 : 0;
        QVERIFY2((inked - device(w->geometry(), ratio).adjusted(0, edge, 0, -edge)).isEmpty(),
                 qPrintable(name + " is cut off"));
        for (QWidget *other :
             w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(other == w || !other->isVisible() || covers(w, other) || covers(other, w) ||
                         !body(other).intersects(inked),
                     qPrintable(name + " runs into " + other->objectName()));
        if (auto *page = qobject_cast<QGroupBox *>(w->parentWidget())) {
            // The frame's top line: the first row that stands out, down the middle;
            // a pixel's room from every line of the frame.
            const QImage drawn = picture(page);
            const int x = drawn.width() / 2;
            int line = 1;
            while (line < drawn.height() && contrast(drawn.pixel(x, 0), drawn.pixel(x, line)) < 1.2)
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
        test::click(test::control<QAbstractButton>(&window, QString("CurtButton1_%1").arg(n)));
        check_layout(&window);
    }
    app::Frmabout about(services_);
    about.show();
    check_layout(&about);
}

// Outlines of boxes, marks, frames, the colour swatch and the graph at least
// 3:1 against what surrounds them and texts 4.5:1 in a high-contrast palette; in
// a dark one, nothing less distinct than in the light one.
void PicturesTest::palettes()
{
    QHash<QString, double> light;
    const std::pair<const char *, QPalette> palettes[] = {
        {"light", QApplication::palette()},
        {"dark", palette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42), QColor(42, 130, 218),
                         QColor(90, 170, 255))},
        {"contrast", palette(Qt::black, Qt::white, Qt::black, QColor(26, 235, 255), Qt::yellow)},
    };
    const QPalette original = QApplication::palette();
    for (const auto &[name, palette] : palettes) {
        QApplication::setPalette(palette);
        app::Frmload window(services_);
        app::Frmabout about(services_);
        window.show();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto check = [&, name = QString(name)](const QWidget *w, const QImage &image,
                                                     bool text) {
            QWidget *top = w->window();
            const QString key = w->objectName();
            QRect r = in_picture(w, top);
            const auto *box = qobject_cast<const QAbstractButton *>(w);
            if (box && !qobject_cast<const QPushButton *>(w)) {
                QStyleOptionButton option;
                option.initFrom(w);
                r = in_picture(w, top,
                               w->style()->subElementRect(qobject_cast<const QCheckBox *>(w)
                                                              ? QStyle::SE_CheckBoxIndicator
                                                              : QStyle::SE_RadioButtonIndicator,
                                                          &option, w));
            }
            const double c = text ? text_contrast(image, r)
                                  : outline_contrast(image, r, qobject_cast<const QGroupBox *>(w));
            const double least = name == "light"  ? 0
                                 : name == "dark" ? std::min(light[key], text ? 4.5 : 3.0) - 0.05
                                 : text           ? 4.5
                                                  : 3.0;
            if (name == "light")
                light[key] = c;
            QVERIFY2(c >= least,
                     qPrintable(
                         QString("%1 in the %2 palette: %3 : 1").arg(key, name).arg(c, 0, 'f', 2)));
        };
        for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
            QGroupBox *page = window.page(n);
            test::click(test::control<QAbstractButton>(&window, QString("CurtButton1_%1").arg(n)));
            if (n == 0)
                test::control<QLineEdit>(&window, "Text1")->setFocus(); // focused or not
            const QImage image = picture(&window);
            check(page, image, false);
            for (QWidget *w : page->findChildren<QWidget *>()) {
                if (!w->isVisible())
                    continue;
                if (qobject_cast<QLineEdit *>(w) || qobject_cast<QCheckBox *>(w) ||
                    qobject_cast<QRadioButton *>(w) || w->objectName() == "Command1" ||
                    w->objectName() == "Pic1")
                    check(w, image, false);
                else if (qobject_cast<QLabel *>(w) || qobject_cast<ui::FormulaLabel *>(w))
                    check(w, image, true);
            }
        }
        const QImage image = picture(&about);
        for (QLabel *label : about.findChildren<QLabel *>())
            if (!label->text().isEmpty())
                check(label, image, true);
    }
    QApplication::setPalette(original);
}

VANTREL_GUI_TEST_MAIN(PicturesTest)

#include "pictures_test.moc"
