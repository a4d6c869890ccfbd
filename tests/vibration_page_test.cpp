// The vibration page as a user meets it: plotting through the button array,
// the colour swatch and the line width, the kept picture, and saving it.
#include "app/main_window.h"
#include "graph/graph_surface.h"
#include "graph/vibration_page.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QtEndian>

using test::box;
using test::button;
using test::click;
using test::type;

namespace {

const QString INPUT_ERROR = QStringLiteral("输入错误，请重新输入。");
const QString SAVE_FAILED = QStringLiteral("保存失败！\r\n请检查文件名、文件夹和写入权限。");
// Where the user's x runs from and how wide it is.
constexpr double X_LEFT = -0.2;
constexpr double X_SPAN = 6.783185307179586;

// The amount of red ink: each pixel counts with its share of the line.
double red_ink(const QImage &image)
{
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ink += qRed(p) > qGreen(p) + 16 ? (255 - qGreen(p)) / 255.0 : 0;
        }
    }
    return ink;
}

bool all_white(const QImage &image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    return image.convertToFormat(QImage::Format_RGB32) == white;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class VibrationPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void before_any_plot();
    void curve_width_and_axes();
    void rejected_input_keeps_the_picture_data();
    void rejected_input_keeps_the_picture();
    void colour_swatch();
    void picture_kept_across_pages_and_covering();
    void decimal_comma();
    void saved_file_data();
    void saved_file();
    void cancel_writes_nothing();
    void failing_write_data();
    void failing_write();

private:
    graph::GraphSurface *surface() const
    {
        return test::control<graph::GraphSurface>(window_.get(), "Pic1");
    }
    void plot() { click(button(window_.get(), "CurtButton1_14")); }
    void save_as(const QString &name)
    {
        if (!name.isNull())
            services_->save_answers.push_back(name);
        click(button(window_.get(), "CurtButton1_17"));
    }

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void VibrationPageTest::init()
{
    QLocale::setDefault(QLocale::c());
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    click(button(window_.get(), "CurtButton1_5"));
    folder_ = std::make_unique<QTemporaryDir>();
}

void VibrationPageTest::before_any_plot()
{
    QCOMPARE(box(window_.get(), "Text23")->text(), QStringLiteral("1"));
    QCOMPARE(box(window_.get(), "Text24")->text(), QStringLiteral("4"));
    QVERIFY(button(window_.get(), "Option7")->isChecked());
    auto *page = qobject_cast<graph::VibrationPage *>(window_->page(5));
    QCOMPARE(page->graph_colour(), QColor(Qt::black));

    // Saving now writes a white picture of the drawing area.
    const QString path = folder_->filePath(QStringLiteral("blank.bmp"));
    save_as(path);
    const QImage saved(path);
    QCOMPARE(saved.size(), surface()->drawing_size());
    QVERIFY(all_white(saved));
    QCOMPARE(services_->save_requests.size(), 1);
    const ui::SaveRequest &request = services_->save_requests.first();
    QCOMPARE(request.title, QStringLiteral("保存图像"));
    QCOMPARE(request.initial_name, QStringLiteral("振动图像"));
    QCOMPARE(request.filters, (QStringList{"BMP图像(*.bmp)", "JPEG图像(*.jpg)"}));
}

void VibrationPageTest::curve_width_and_axes()
{
    services_->colour_answers.push_back(QColor(Qt::red));
    click(button(window_.get(), "Command1"));
    double ink[2] = {};
    for (const int thick : {0, 1}) {
        click(button(window_.get(), thick ? "Option8" : "Option7"));
        plot();
        const QImage image = surface()->take_image();
        ink[thick] = red_ink(image);
        // y grows upward: the crest at t = π/2 is near y = 1, which lies
        // 0.3 of the 2.6 units of height below the top edge.
        const int crest = qRound((1.5707963 - X_LEFT) / X_SPAN * image.width());
        int top = 0;
        while (top < image.height() &&
               qRed(image.pixel(crest, top)) - qGreen(image.pixel(crest, top)) < 128)
            ++top;
        QVERIFY2(std::abs(top - qRound(0.3 / 2.6 * image.height())) <= 2,
                 qPrintable(QString::number(top)));
        // The axes stay one black pixel wide: a column between the last two
        // ticks, where the curve is far below the axis.
        const int column = qRound((5.2 - X_LEFT) / X_SPAN * image.width());
        QList<int> dark_rows;
        for (int y = image.height() / 2 - 6; y <= image.height() / 2 + 6; ++y) {
            if (qGray(image.pixel(column, y)) < 250)
                dark_rows << y;
        }
        QCOMPARE(dark_rows.size(), 1);
        QCOMPARE(image.pixel(column, dark_rows.first()), qRgb(0, 0, 0));
    }
    QVERIFY2(ink[0] > 150 && ink[1] > 1.5 * ink[0],
             qPrintable(QStringLiteral("%1 %2").arg(ink[0]).arg(ink[1])));
    QVERIFY(services_->messages.isEmpty());
}

void VibrationPageTest::rejected_input_keeps_the_picture_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("message");
    QTest::newRow("negative amplitude") << QStringList{"-3", "4"} << true;
    QTest::newRow("zero period") << QStringList{"1", "0"} << true;
    QTest::newRow("minus zero") << QStringList{"-0", "4"} << true;
    QTest::newRow("zero amplitude, letters") << QStringList{"0", "abc"} << false;
    QTest::newRow("empty amplitude") << QStringList{"", "-1"} << false;
}

void VibrationPageTest::rejected_input_keeps_the_picture()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, message);
    click(button(window_.get(), "Option8"));
    plot();
    const QImage before = surface()->take_image();
    QVERIFY(!all_white(before));
    type(box(window_.get(), "Text23"), typed[0]);
    type(box(window_.get(), "Text24"), typed[1]);
    click(button(window_.get(), "Option7"));
    plot();
    QCOMPARE(services_->messages, message ? QStringList{INPUT_ERROR} : QStringList{});
    QCOMPARE(surface()->take_image(), before);
}

void VibrationPageTest::colour_swatch()
{
    plot();
    const QImage black_curve = surface()->take_image();
    QCOMPARE(red_ink(black_curve), 0.0);
    services_->colour_answers.push_back(QColor(Qt::red));
    click(button(window_.get(), "Command1"));
    QVERIFY(button(window_.get(), "Command1")->styleSheet().contains("#ff0000"));
    // The picture on the screen is not recoloured; the next plot is red.
    QCOMPARE(surface()->take_image(), black_curve);
    plot();
    const QImage red_curve = surface()->take_image();
    QVERIFY(red_ink(red_curve) > 150);
    QCOMPARE(red_curve.pixel(red_curve.width() / 3, red_curve.height() / 2), qRgb(0, 0, 0));

    // Cancelling the dialog keeps the colour it offered.
    click(button(window_.get(), "Command1"));
    QCOMPARE(services_->colour_requests, (QList<QColor>{Qt::black, Qt::red}));
    QVERIFY(button(window_.get(), "Command1")->styleSheet().contains("#ff0000"));
    plot();
    QCOMPARE(surface()->take_image(), red_curve);
}

void VibrationPageTest::picture_kept_across_pages_and_covering()
{
    plot();
    const QImage drawn = surface()->take_image();
    click(button(window_.get(), "CurtButton1_0"));
    QVERIFY(!surface()->isVisible());
    click(button(window_.get(), "CurtButton1_5"));
    window_->hide();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(surface()->take_image(), drawn);
    // What the screen shows inside the frame is the kept picture.
    const QImage shown = surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(surface()->contentsRect()), drawn.convertToFormat(QImage::Format_RGB32));
}

void VibrationPageTest::decimal_comma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type(box(window_.get(), "Text24"), "0,1");
    plot();
    QVERIFY(services_->messages.isEmpty());
    QVERIFY(!all_white(surface()->take_image()));
}

void VibrationPageTest::saved_file_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    const QByteArray bmp("BM");
    const QByteArray jpeg("\xFF\xD8\xFF");
    QTest::newRow("bmp") << "graph.bmp" << bmp;
    QTest::newRow("jpg") << "graph.jpg" << jpeg;
    QTest::newRow("JPEG in capitals") << "GRAPH.JPEG" << jpeg;
    QTest::newRow("offered name, no extension") << "振动图像" << bmp;
    QTest::newRow("other extension") << "graph.png" << bmp;
    QTest::newRow("jpg inside the name") << "graph.jpg.old" << bmp;
}

void VibrationPageTest::saved_file()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    click(button(window_.get(), "Option8"));
    plot();
    const QImage drawn = surface()->take_image();
    const QString path = folder_->filePath(name);
    save_as(path);
    const QByteArray bytes = contents(path);
    // Exactly the name given, nothing added, no temporary file left behind.
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{name});
    QVERIFY(bytes.startsWith(magic));
    const QImage read = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(read.size(), surface()->drawing_size());
    if (magic == "BM") {
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), drawn.width());
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), drawn.height());
        QCOMPARE(read, drawn.convertToFormat(QImage::Format_RGB32));
    } else {
        QVERIFY(qGray(read.pixel(read.width() / 3, read.height() / 2)) < 100); // the axis
    }
    // Saved again without a new plot: the same file, byte for byte.
    save_as(path);
    QCOMPARE(contents(path), bytes);
    QVERIFY(services_->messages.isEmpty());
}

void VibrationPageTest::cancel_writes_nothing()
{
    plot();
    save_as({}); // the dialog is cancelled
    save_as(""); // an empty name is no name
    QCOMPARE(services_->save_requests.size(), 2);
    QVERIFY(QDir(folder_->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    QVERIFY(services_->messages.isEmpty());
}

void VibrationPageTest::failing_write_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::newRow("missing folder") << "no such folder/graph.bmp" << false;
    QTest::newRow("name of a folder") << "." << false;
    // The name fits, the temporary file beside it does not: the write fails
    // where the user's file already exists.
    QTest::newRow("existing file") << QString(250, u'a') + ".bmp" << true;
}

void VibrationPageTest::failing_write()
{
    QFETCH(QString, name);
    QFETCH(bool, existing);
    const QString path = folder_->filePath(name);
    const QByteArray old_picture("an older picture of the user");
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old_picture) > 0);
    }
    const QStringList before = QDir(folder_->path()).entryList(QDir::AllEntries);
    plot();
    save_as(path);
    QCOMPARE(services_->messages, QStringList{SAVE_FAILED});
    QCOMPARE(QDir(folder_->path()).entryList(QDir::AllEntries), before);
    if (existing)
        QCOMPARE(contents(path), old_picture);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    VibrationPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "vibration_page_test.moc"
