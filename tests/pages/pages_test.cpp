// Each page as a student uses it in the main window: typing, ticking, clicking
// through the window's own dispatcher, and what its boxes, message boxes,
// working, picture and saved files show afterwards.
#include "app/main_window.h"
#include "support/data.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/graph_surface.h"
#include "ui/topic_page.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QByteArray BMP = "BM", JPEG = "\xFF\xD8\xFF", PNG = "\x89PNG", SVG = "<?xml",
                 OLD = "an older picture of the user";
// Pixels a viewer's smoothing may put off the picture's, a few at glyph edges;
// an axis off the pixel grid strays by hundreds.
constexpr int ANTIALIASING_STRAYS = 24;

// The pixels of `a` that `is` picks with none such within `reach` pixels in `b`
// (against an empty `b`: all that it picks).
template <class Pick> int strays(const QImage &a, const QImage &b, Pick is, int reach)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            bool near = false;
            for (int v = y - reach; v <= y + reach; ++v)
                for (int u = x - reach; u <= x + reach; ++u)
                    near = near || (b.valid(u, v) && is(b.pixel(u, v)));
            count += is(a.pixel(x, y)) && !near;
        }
    return count;
}

// `seen` shows the graph as `drawn` does: an opaque white canvas, the curve in
// its colour and width where the picture has it, the crisp black axes and the
// labels where it has them, and no mark elsewhere.
bool looks_like(const QImage &picture, const QImage &drawn)
{
    const QImage seen = picture.convertToFormat(QImage::Format_ARGB32);
    const auto curve = [](QRgb c) { return qBlue(c) - qRed(c) > 96; };
    const auto black = [&](QRgb c) { return qGray(c) < 64 && !curve(c); };
    const auto marked = [](QRgb c) { return qGray(c) < 245; };
    const int width = strays(seen, {}, curve, 0), drawn_width = strays(drawn, {}, curve, 0);
    return seen.size() == drawn.size() && std::abs(width - drawn_width) * 5 < drawn_width &&
           strays(seen, drawn, marked, 2) + strays(drawn, seen, curve, 1) +
                   strays(drawn, seen, black, 1) <=
               ANTIALIASING_STRAYS;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void through_the_page_data();
    void through_the_page();
    void working_data();
    void working();
    void vibration_colour_and_width();
    void vibration_saved_data();
    void vibration_saved();

private:
    void open(const QString &page);

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
    ui::TopicPage *page_ = nullptr;
};

// The main window on the page named, through its navigation button.
void PagesTest::open(const QString &page)
{
    static const QStringList PAGES = {"forces", "linear",    "circular", "energy",
                                      "work",   "vibration", "satellite"};
    QLocale::setDefault(QLocale::c());
    window_.reset(new app::Frmload(services_ = std::make_shared<test::FakeServices>()));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const int n = static_cast<int>(PAGES.indexOf(page));
    QTest::mouseClick(test::control<QWidget>(window_.get(), QString("CurtButton1_%1").arg(n)),
                      Qt::LeftButton);
    page_ = static_cast<ui::TopicPage *>(window_->page(n));
    QVERIFY(page_->isVisible());
}

void PagesTest::through_the_page_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    for (const QString &line : test::data_lines("pages/steps.txt")) {
        const QStringList fields = line.split(" | ");
        QTest::newRow(qPrintable(fields[0]))
            << fields[1] << QString(fields[2]).replace("\\r\\n", "\r\n");
    }
}

void PagesTest::through_the_page()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    const QString message = expected.section("message=", 1);
    open(QString(QTest::currentDataTag()).section(u':', 0, 0)); // the page named before the colon
    test::steps(window_.get(), steps);
    for (const QString &expect :
         expected.section("message=", 0, 0).split(u' ', Qt::SkipEmptyParts)) {
        auto *w = test::control<QWidget>(page_, expect.section(u'=', 0, 0).remove(u'!'));
        if (expect.contains(u'=')) {
            QCOMPARE(w->property("text").toString(), expect.section(u'=', 1));
            continue;
        }
        const auto *box = qobject_cast<QLineEdit *>(w);
        const bool usable = w->isVisible() && w->isEnabled() && !(box && box->isReadOnly());
        QVERIFY2(usable != expect.startsWith(u'!'), qPrintable(expect));
    }
    QCOMPARE(services_->messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void PagesTest::working_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    // "== page: case | steps", then the lines of the working.
    for (const QString &block :
         test::data_lines("pages/working.txt").join(u'\n').split("== ", Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(block.section(" | ", 0, 0)))
            << block.section(u'\n', 0, 0).section(" | ", 1) << block.section(u'\n', 1).trimmed();
}

// What the working says after the click, at three figures, line by line.
void PagesTest::working()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    open(QString(QTest::currentDataTag()).section(u':', 0, 0));
    test::steps(window_.get(), steps);
    QStringList lines;
    for (const std::string &line : page_->working().lines(3, '.'))
        lines << QString::fromStdString(line);
    QCOMPARE(lines, expected.split(u'\n'));
}

// Plotted in a locale that writes a decimal comma.
void PagesTest::vibration_colour_and_width()
{
    open("vibration");
    auto *surface = test::control<ui::GraphSurface>(page_, "Pic1");
    services_->colour_answers.push_back(QColor(Qt::red));
    test::steps(
        window_.get(),
        "@de_DE Text24=0,1 Command1 Command1 CurtButton1_14"); // the second one is cancelled
    QCOMPARE(services_->colour_requests, (QList<QColor>{Qt::black, Qt::red}));
    test::steps(window_.get(),
                "Option8 CurtButton1_14"); // its width and place: the page's reference picture
    const QImage thick = surface->take_image();
    // Hidden and shown again, the picture kept shows inside the page's frame.
    QVERIFY(page_->contentsRect().contains(surface->geometry()));
    test::steps(window_.get(), "CurtButton1_0 CurtButton1_5");
    const QImage shown = surface->grab().toImage().copy(surface->contentsRect());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             thick.convertToFormat(QImage::Format_RGB32));
    // Its menu copies it, and so does Ctrl+C while it has the focus.
    QAction *copy = surface->actions().value(0);
    QVERIFY(copy && copy->text() == "复制图像" && copy->shortcut() == QKeySequence::Copy &&
            copy->shortcutContext() == Qt::WidgetShortcut && surface->focusPolicy() != Qt::NoFocus);
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             thick.convertToFormat(QImage::Format_RGB32));
}

void PagesTest::vibration_saved_data()
{
    // answer: the name given in the dialog (null: cancelled), where a file OLD
    // is already; magic: how the file starts after saving, OLD if it failed.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("bmp") << "graph.bmp" << BMP;
    QTest::newRow("jpg") << "graph.jpg" << JPEG;
    QTest::newRow("JPEG in capitals") << "GRAPH.JPEG" << JPEG;
    QTest::newRow("png") << "graph.png" << PNG;
    QTest::newRow("SVG in capitals") << "GRAPH.SVG" << SVG;
    QTest::newRow("offered name, no extension") << "振动图像" << BMP;
    QTest::newRow("jpg inside the name") << "graph.jpg.old" << BMP;
    QTest::newRow("cancelled") << QString() << QByteArray();
    QTest::newRow("empty name") << "" << QByteArray();
    // The name fits, the temporary file beside it does not.
    QTest::newRow("write fails") << QString(250, u'a') + ".bmp" << OLD;
}

void PagesTest::vibration_saved()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, magic);
    open("vibration");
    services_->colour_answers.push_back(QColor(0, 96, 192));
    test::steps(window_.get(), "Text23=0.8 Command1 Option8 CurtButton1_14");
    auto *surface = test::control<ui::GraphSurface>(page_, "Pic1");
    const QImage drawn = surface->take_image().convertToFormat(QImage::Format_RGB32);
    QTemporaryDir folder;
    const QString path = answer.isEmpty() ? answer : folder.filePath(answer);
    QFile file(path);
    QVERIFY(answer.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(OLD) > 0));
    file.close();
    services_->save_answers.push_back(answer.isNull() ? std::nullopt : std::optional(path));
    test::steps(window_.get(), "CurtButton1_17");
    const ui::SaveRequest &request = services_->save_requests.first();
    QCOMPARE((QStringList{request.title, request.initial_name} + request.filters),
             (QStringList{"保存图像", "振动图像", "BMP图像(*.bmp)", "JPEG图像(*.jpg)",
                          "PNG图像(*.png)", "SVG图像(*.svg)"}));
    QCOMPARE(services_->messages,
             magic == OLD ? QStringList{"保存失败！\r\n请检查文件名、文件夹和写入权限。"}
                          : QStringList{});
    // Exactly the name given, nothing added, no temporary file left behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             answer.isEmpty() ? QStringList() : QStringList{answer});
    QVERIFY(answer.isEmpty() ||
            (file.open(QIODevice::ReadOnly) && file.peek(magic.size()) == magic));
    const QByteArray bytes = file.readAll();
    const QImage saved = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    if (magic == BMP || magic == PNG)
        QCOMPARE(saved, drawn);
    if (magic == SVG && QStandardPaths::findExecutable("rsvg-convert").isEmpty())
        QSKIP("no rsvg-convert (librsvg2-bin) to view the SVG");
    // As a viewer (rsvg-convert) shows it where the only faces are those of
    // tests/data/fonts/`fonts`: the program's, or none of its own.
    for (const QString &fonts :
         magic == SVG ? QStringList{"vantrel-hei.conf", "noto-sans-cjk-sc.conf"} : QStringList()) {
        QProcess viewer;
        viewer.setEnvironment(QProcess::systemEnvironment()
                              << "FONTCONFIG_FILE=" VANTREL_TEST_DATA "/fonts/" + fonts);
        viewer.start("rsvg-convert", {path});
        QVERIFY(viewer.waitForFinished() &&
                bytes.contains("font-family=\"'Vantrel Hei', sans-serif\""));
        QVERIFY2(looks_like(QImage::fromData(viewer.readAllStandardOutput()), drawn),
                 qPrintable(fonts));
    }
    // Line art keeps its edges: no halo around the curve and the labels.
    QVERIFY(magic != JPEG || looks_like(saved, drawn));
}

VANTREL_GUI_TEST_MAIN(PagesTest)

#include "pages_test.moc"
