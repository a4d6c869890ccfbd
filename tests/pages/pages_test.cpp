// Each page built alone, as a student uses it: typing, ticking, clicking, and
// what its boxes, message boxes, picture and saved files show afterwards.
#include "pages/circular_motion_page.h"
#include "pages/linear_motion_page.h"
#include "pages/mechanical_energy_page.h"
#include "pages/satellite_page.h"
#include "pages/si_units_page.h"
#include "pages/two_force_page.h"
#include "pages/vibration_page.h"
#include "pages/work_power_page.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/graph_surface.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

using namespace pages;

namespace {

const QByteArray BMP = "BM", JPEG = "\xFF\xD8\xFF", OLD = "an older picture of the user";

// The rows where the curve left red ink at t = π/2 (t: -0.2 to 6.58 across).
QList<int> red_rows(const QImage &image)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb p = image.pixel(qRound((1.5708 + 0.2) / 6.7832 * image.width()), y);
        if (qRed(p) > qGreen(p) + 16)
            rows << y;
    }
    return rows;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void through_the_page_data();
    void through_the_page();
    void vibration_colour_and_width();
    void vibration_saved_data();
    void vibration_saved();
    void si_units();

private:
    // The page's buttons run what the main window runs for them, inside its error
    // trap: a failure ends the click and what was written stays.
    template <class P> void make(std::initializer_list<std::pair<const char *, void (P::*)()>> run)
    {
        auto *page = new P(services_);
        page_.reset(page);
        for (const auto &[name, action] : run)
            connect(test::control<QAbstractButton>(page, name), &QAbstractButton::clicked, page,
                    [page, a = action] {
                        try {
                            (page->*a)();
                        } catch (...) {
                        }
                    });
    }
    void open(const QString &page);
    void steps(const QString &steps);

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<ui::TopicPage> page_;
};

void PagesTest::open(const QString &page)
{
    QLocale::setDefault(QLocale::c());
    services_ = std::make_shared<test::FakeServices>();
    if (page == "forces")
        make<TwoForcePage>({{"CurtButton1_9", &TwoForcePage::compute_resultant}});
    else if (page == "linear")
        make<LinearMotionPage>({{"CurtButton1_10", &LinearMotionPage::compute_linear_motion}});
    else if (page == "circular")
        make<CircularMotionPage>(
            {{"CurtButton1_11", &CircularMotionPage::compute_circular_motion}});
    else if (page == "energy")
        make<MechanicalEnergyPage>({{"CurtButton1_12", &MechanicalEnergyPage::toggle_explanation}});
    else if (page == "work")
        make<WorkPowerPage>({{"CurtButton1_13", &WorkPowerPage::compute_work_power}});
    else if (page == "satellite")
        make<SatellitePage>({{"CurtButton1_16", &SatellitePage::compute_satellite}});
    else if (page == "vibration")
        make<VibrationPage>({{"CurtButton1_14", &VibrationPage::plot_vibration_graph},
                             {"CurtButton1_17", &VibrationPage::save_vibration_graph}});
    else
        make<SiUnitsPage>({});
    page_->resize(ui::to_pixels(5175, 2415)); // the main window's page area
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
}

void PagesTest::steps(const QString &steps)
{
    test::steps(page_.get(), steps);
}

void PagesTest::through_the_page_data()
{
    // expected: "Text4=7" a box's text or a button's caption; "Text11" usable
    // (shown, enabled, typed in), "!Text11" not; last "message=" the one message.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *steps, const char *expected) {
        QTest::newRow(name) << steps << expected;
    };
    row("forces: degrees, F2 from its own box, decimal comma",
        "@de_DE Text1=1,5 Text2=2 Text3=90 Option2 CurtButton1_9", "Text4=2,5");
    row("forces: Return in a typed box, not in the result; letters keep it",
        "Text1=3 Text2=4 Text3=0 ↵Text3 Text3=abc CurtButton1_9 Text3=3.1416 ↵Text4",
        "Text4=7 !Text4");
    row("linear: S = 0, nothing written",
        "Check1 Text5=0 Check2 Text6=10 Check4 Text8=0 CurtButton1_10",
        "Text7= Text9= message=输入错误！\r\n注意：位移不能为零。");
    // t is converted before the count is checked: bad letters end the click.
    row("linear: t letters, two known", "Check1 Text5=0 Check5 Text9=abc CurtButton1_10", "Text6=");
    // Untick locks and empties; a ticked result stays as a known value.
    row("linear: ticks",
        "Check1 Text5=0 Check2 Text6=10 Check3 Text7=2 CurtButton1_10 Check3 Check4",
        "Text7= !Text7 Text8=25 Text8 Text9=5 !Text9");
    row("circular: ω given, the v box unread",
        "Text10=abc Option4 Text11=2 Text12=0.5 Text13=2 CurtButton1_11",
        "!Text10 Text11 Text14=2 Text15=4");
    row("circular: v given", "Text10=2 Text12=4 Text13=3 CurtButton1_11", "Text14=1 Text15=3");
    row("energy: shown", "CurtButton1_12", "Label20 CurtButton1_12=关闭说明");
    row("energy: a click on the note or the button hides it",
        "CurtButton1_12 Label20 CurtButton1_12 CurtButton1_12", "!Label20 CurtButton1_12=查看说明");
    row("work: instantaneous, no pick keeps degrees",
        "Text16=10 Text17=60 Option6 Text19=3 Text20=2 Combo1=1 Combo1=-1 CurtButton1_13",
        "!Text18 Text19 Text21=30.0000000000001 Text22=15");
    row("work: radians again, t = 0 keeps the results",
        "Text16=10 Text17=60 Text18=5 Text20=2 Combo1=1 Combo1=0 CurtButton1_13 Text20=0 "
        "CurtButton1_13",
        "Text18 !Text19 Text21=-47.6206490207578 Text22=-23.8103245103789");
    row("satellite: 36000 km, letters keep the results",
        "Text25=36000000 CurtButton1_16 Text25=abc CurtButton1_16",
        "Text26=3068.20431909066 Text27=86766.8948279493 Text28=7.24145461196757E-05");
    row("satellite: below the ground", "Text25=-1 CurtButton1_16",
        "Text26= Text27= Text28= message=输入错误，请重新输入。");
    row("vibration: zero amplitude", "Text23=0 CurtButton1_14", "message=输入错误，请重新输入。");
}

void PagesTest::through_the_page()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    const QString message = expected.section("message=", 1);
    open(QString(QTest::currentDataTag()).section(u':', 0, 0)); // the page named before the colon
    this->steps(steps);
    for (const QString &expect :
         expected.section("message=", 0, 0).split(u' ', Qt::SkipEmptyParts)) {
        auto *w = test::control<QWidget>(page_.get(), expect.section(u'=', 0, 0).remove(u'!'));
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

// Plotted in a locale that writes a decimal comma.
void PagesTest::vibration_colour_and_width()
{
    open("vibration");
    auto *surface = test::control<ui::GraphSurface>(page_.get(), "Pic1");
    services_->colour_answers.push_back(QColor(Qt::red));
    steps("@de_DE Text24=0,1 Command1 Command1 CurtButton1_14"); // the second one is cancelled
    QCOMPARE(services_->colour_requests, (QList<QColor>{Qt::black, Qt::red}));
    const QList<int> thin_rows = red_rows(surface->take_image());
    steps("Option8 CurtButton1_14");
    // y grows upward: the crest at t = π/2 is near y = 1, 0.3 of the 2.6 units
    // of height below the top edge. There the thick curve covers more rows.
    const QImage thick = surface->take_image();
    const QList<int> thick_rows = red_rows(thick);
    const int crest = qRound(0.3 / 2.6 * thick.height());
    QVERIFY(!thin_rows.isEmpty() && thick_rows.size() > thin_rows.size());
    QVERIFY(std::abs(thin_rows.first() - crest) <= 2 && std::abs(thick_rows.first() - crest) <= 2);
    // Hidden and shown again, the picture kept shows inside the page's frame.
    QVERIFY(page_->contentsRect().contains(surface->geometry()));
    page_->hide();
    page_->show();
    const QImage shown = surface->grab().toImage().copy(surface->contentsRect());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
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
    steps("CurtButton1_14");
    auto *surface = test::control<ui::GraphSurface>(page_.get(), "Pic1");
    const QImage drawn = surface->take_image().convertToFormat(QImage::Format_RGB32);
    QTemporaryDir folder;
    const QString path = answer.isEmpty() ? answer : folder.filePath(answer);
    QFile file(path);
    QVERIFY(answer.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(OLD) > 0));
    file.close();
    services_->save_answers.push_back(answer.isNull() ? std::nullopt : std::optional(path));
    steps("CurtButton1_17");
    const ui::SaveRequest &request = services_->save_requests.first();
    QCOMPARE((QStringList{request.title, request.initial_name} + request.filters),
             (QStringList{"保存图像", "振动图像", "BMP图像(*.bmp)", "JPEG图像(*.jpg)"}));
    QCOMPARE(services_->messages,
             magic == OLD ? QStringList{"保存失败！\r\n请检查文件名、文件夹和写入权限。"}
                          : QStringList{});
    // Exactly the name given, nothing added, no temporary file left behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             answer.isEmpty() ? QStringList() : QStringList{answer});
    QVERIFY(answer.isEmpty() ||
            (file.open(QIODevice::ReadOnly) && file.peek(magic.size()) == magic));
    if (magic == BMP)
        QCOMPARE(QImage::fromData(file.readAll()).convertToFormat(QImage::Format_RGB32), drawn);
}

void PagesTest::si_units()
{
    open("si");
    const QStringList cells =
        QStringLiteral(
            "名称 符号 单位 名称 符号 单位 位移 s 米 角速度 ω 弧度每秒 速度 v 米每秒 频率 f 赫兹 "
            "加速度 a 米每二次方秒 动量 p 千克米每秒 力 F 牛 力矩 M 牛米 功 W 焦 能量 E 焦 "
            "功率 P 瓦 压强 p 帕")
            .split(u' ');
    for (int i = 0; i < cells.size(); ++i) {
        const QString name = QStringLiteral("Label%1_%2").arg(41 + i / 6).arg(i % 6);
        QCOMPARE(test::control<QLabel>(page_.get(), name)->text(), cells[i]);
    }
    for (const QWidget *widget : page_->findChildren<QWidget *>())
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus); // a card to read, not a form
}

VANTREL_GUI_TEST_MAIN(PagesTest)

#include "pages_test.moc"
