// The vibration page as a user meets it: plotting through the button array,
// the colour swatch and the line width, the kept picture, and saving it.
#include "app/main_window.h"
#include "graph/graph_surface.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

using test::button;
using test::click;

namespace {

const QString SAVE_FAILED = QStringLiteral("保存失败！\r\n请检查文件名、文件夹和写入权限。");
const QByteArray BMP = "BM", JPEG = "\xFF\xD8\xFF", OLD = "an older picture of the user";

// The pixel column of the user's x, which runs from -0.2 over 6.78 units.
int column_of(double x, const QImage &image)
{
    return qRound((x + 0.2) / 6.783185307179586 * image.width());
}

// The rows of the column at the user's x where the curve left red ink.
QList<int> red_rows(const QImage &image, double x)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(column_of(x, image), y);
        if (qRed(p) > qGreen(p) + 16)
            rows << y;
    }
    return rows;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class VibrationPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void colour_and_line_width();
    void typed_values_data();
    void typed_values();
    void saved_file_data();
    void saved_file();

private:
    QWidget *w() const { return window_.get(); }
    void plot() { click(button(w(), "CurtButton1_14")); }

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
    graph::GraphSurface *surface_ = nullptr;
    std::unique_ptr<QTemporaryDir> folder_;
};

void VibrationPageTest::init()
{
    QLocale::setDefault(QLocale::c());
    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w()));
    click(button(w(), "CurtButton1_5"));
    surface_ = test::control<graph::GraphSurface>(w(), "Pic1");
    // The picture sits inside the page's frame, below its caption.
    QVERIFY(surface_->parentWidget()->contentsRect().contains(surface_->geometry()));
    folder_ = std::make_unique<QTemporaryDir>();
}

void VibrationPageTest::colour_and_line_width()
{
    services_->colour_answers.push_back(QColor(Qt::red));
    click(button(w(), "Command1"));
    click(button(w(), "Command1")); // cancelled: the colour stays
    QCOMPARE(services_->colour_requests, (QList<QColor>{Qt::black, Qt::red}));
    QVERIFY(button(w(), "Command1")->styleSheet().contains("#ff0000"));
    plot(); // thin, as the page starts
    const QList<int> thin_rows = red_rows(surface_->take_image(), 1.5707963);
    click(button(w(), "Option8"));
    plot();
    const QImage thick = surface_->take_image();

    // y grows upward: the crest at t = π/2 is near y = 1, 0.3 of the 2.6 units
    // of height below the top edge. There the thick curve covers more rows.
    const int crest = qRound(0.3 / 2.6 * thick.height());
    const QList<int> thick_rows = red_rows(thick, 1.5707963);
    QVERIFY(!thin_rows.isEmpty() && thick_rows.size() > thin_rows.size());
    QVERIFY(std::abs(thin_rows.first() - crest) <= 2 && std::abs(thick_rows.first() - crest) <= 2);

    // The axes stay one black pixel wide: between the last two ticks, where the
    // curve is far below, the t axis covers the middle row and no other.
    const int x = column_of(5.2, thick), y = thick.height() / 2;
    QCOMPARE((QList<QColor>{thick.pixelColor(x, y - 1), thick.pixelColor(x, y),
                            thick.pixelColor(x, y + 1)}),
             (QList<QColor>{Qt::white, Qt::black, Qt::white}));
}

void VibrationPageTest::typed_values_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("told"); // the input message
    QTest::addColumn<bool>("drawn");
    QTest::newRow("negative amplitude") << QStringList{"-3", "4"} << true << false;
    QTest::newRow("zero period") << QStringList{"1", "0"} << true << false;
    // Both texts are read before either sign is tested.
    QTest::newRow("zero amplitude, letters") << QStringList{"0", "abc"} << false << false;
    QTest::newRow("decimal comma") << QStringList{"1", "0,1"} << false << true;
}

// Typed in a locale that writes a decimal comma after a first plot; then the
// page is left and the window covered.
void VibrationPageTest::typed_values()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, told);
    QFETCH(bool, drawn);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    plot();
    const QImage before = surface_->take_image();
    test::type(test::box(w(), "Text23"), typed[0]);
    test::type(test::box(w(), "Text24"), typed[1]);
    plot();
    QCOMPARE(services_->messages, told ? QStringList{"输入错误，请重新输入。"} : QStringList{});
    QCOMPARE(surface_->take_image() != before, drawn);
    click(button(w(), "CurtButton1_0"));
    click(button(w(), "CurtButton1_5"));
    window_->hide();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(w()));
    // What the screen shows inside the frame is the picture kept.
    const QImage shown = surface_->grab().toImage().copy(surface_->contentsRect());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             surface_->take_image().convertToFormat(QImage::Format_RGB32));
}

void VibrationPageTest::saved_file_data()
{
    // answer: the name given in the dialog (null: cancelled), where a file OLD
    // is already; magic: how the file starts after saving, OLD if it failed.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<bool>("plotted");
    QTest::newRow("bmp") << "graph.bmp" << BMP << true;
    QTest::newRow("before any plot") << "blank.bmp" << BMP << false;
    QTest::newRow("jpg") << "graph.jpg" << JPEG << true;
    QTest::newRow("JPEG in capitals") << "GRAPH.JPEG" << JPEG << true;
    QTest::newRow("offered name, no extension") << "振动图像" << BMP << true;
    QTest::newRow("jpg inside the name") << "graph.jpg.old" << BMP << true;
    QTest::newRow("cancelled") << QString() << QByteArray() << true;
    QTest::newRow("empty name") << "" << QByteArray() << true;
    // The name fits, the temporary file beside it does not.
    QTest::newRow("write fails") << QString(250, u'a') + ".bmp" << OLD << true;
}

void VibrationPageTest::saved_file()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, magic);
    QFETCH(bool, plotted);
    if (plotted)
        plot();
    const QImage drawn = surface_->take_image().convertToFormat(QImage::Format_RGB32);
    const QString path = answer.isEmpty() ? answer : folder_->filePath(answer);
    QFile old(path);
    QVERIFY(answer.isEmpty() || (old.open(QIODevice::WriteOnly) && old.write(OLD) > 0));
    old.close();
    services_->save_answers.push_back(answer.isNull() ? std::nullopt : std::optional(path));
    click(button(w(), "CurtButton1_17"));
    // The dialog's title, the name it offers, and its file types in order.
    const ui::SaveRequest &request = services_->save_requests.first();
    QCOMPARE((QStringList{request.title, request.initial_name} + request.filters),
             (QStringList{"保存图像", "振动图像", "BMP图像(*.bmp)", "JPEG图像(*.jpg)"}));
    QCOMPARE(services_->messages, magic == OLD ? QStringList{SAVE_FAILED} : QStringList{});
    // Exactly the name given, nothing added, no temporary file left behind.
    QCOMPARE(QDir(folder_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             answer.isEmpty() ? QStringList() : QStringList{answer});
    const QByteArray bytes = contents(path);
    QVERIFY(bytes.startsWith(magic));
    if (magic.isEmpty() || magic == OLD)
        return;
    const QImage read = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(read.size(), surface_->drawing_size());
    if (magic == BMP) {
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(bytes.size()));
        QCOMPARE(read, drawn);
    }
    // Saved again without a new plot: the same file, byte for byte.
    services_->save_answers.push_back(path);
    click(button(w(), "CurtButton1_17"));
    QCOMPARE(contents(path), bytes);
}

VANTREL_GUI_TEST_MAIN(VibrationPageTest)

#include "vibration_page_test.moc"
