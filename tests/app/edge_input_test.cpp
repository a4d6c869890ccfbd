// Input at the edges of what a student does: a hundred thousand characters
// pasted into every box, a save into a folder that vanished while the dialog
// was open, closing the main window while the About window is still open.
#include "app/about_window.h"
#include "app/main_window.h"
#include "mechanics/numbers.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace {

QAbstractButton *array_button(const QWidget *root, int index)
{
    return test::button(root, QStringLiteral("CurtButton1_%1").arg(index));
}

// The desktop of a user whose save folder is deleted (by another program, a
// USB stick pulled out) while the save dialog is still open.
class VanishingFolderServices final : public ui::Services {
public:
    void show_message(QWidget *, const QString &text) override { messages.append(text); }
    std::optional<QColor> choose_colour(QWidget *, const QColor &) override { return {}; }
    std::optional<QString> choose_save_name(QWidget *, const ui::SaveRequest &) override
    {
        folder.remove(); // after the user chose a name in it
        return folder.filePath(QStringLiteral("振动图像.bmp"));
    }
    bool open_url(const QUrl &) override { return false; }

    QStringList messages;
    QTemporaryDir folder;
};

} // namespace

class EdgeInputTest : public QObject {
    Q_OBJECT
private slots:
    void huge_paste_answers_at_once_data();
    void huge_paste_answers_at_once();
    void save_into_a_folder_that_vanished();
    // Last: it runs the application's event loop until the program would end.
    void about_window_outlives_the_main_window();
};

void EdgeInputTest::huge_paste_answers_at_once_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("read"); // nothing: refused
    const QString zeros(100'000, u'0');
    const std::optional<double> refused;
    QTest::newRow("fraction below range") << "0." + zeros + u'1' << std::optional(0.0);
    QTest::newRow("exponent cancels digits") << u'1' + zeros + "e-100000" << std::optional(1.0);
    QTest::newRow("trailing blanks") << u'5' + QString(100'000, u' ') << std::optional(5.0);
    QTest::newRow("exponent below range") << "1e-" + QString(99'997, u'9') << std::optional(0.0);
    QTest::newRow("digits beyond range") << QString(100'000, u'7') << refused;
    const QString sentence = QStringLiteral("物体从静止开始做匀加速直线运动，加速度为2 m/s²。");
    QTest::newRow("paragraph") << sentence.repeated(4000) << refused;
}

// Read whole: the right value or a clean failure. Pasted into every open box of
// every page, every button pressed, and no box shows inf or NaN. The slowest
// paste and click are reported, not judged here: speed belongs to the
// benchmarks (a reader going back over the text would show as seconds).
void EdgeInputTest::huge_paste_answers_at_once()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, read);
    if (read)
        QCOMPARE(mechanics::read_number(text.toStdString()), *read);
    else
        QVERIFY_THROWS_EXCEPTION(mechanics::CalculationFailure,
                                 mechanics::read_number(text.toStdString()));

    static const QRegularExpression inf_or_nan(QStringLiteral("(?i)inf|nan|∞"));
    qint64 slowest_paste = 0, slowest_click = 0;
    const auto timed = [](qint64 &slowest, const auto &act) {
        QElapsedTimer clock;
        clock.start();
        act();
        QCoreApplication::processEvents(); // lay out and paint what changed
        slowest = std::max(slowest, clock.elapsed());
    };
    app::Frmload window(std::make_shared<test::FakeServices>());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        array_button(&window, n)->click();
        QGroupBox *page = window.page(n);
        for (QCheckBox *tick : page->findChildren<QCheckBox *>())
            if (!tick->isChecked())
                tick->click(); // nothing when it is disabled
        for (QLineEdit *box : page->findChildren<QLineEdit *>()) {
            if (box->isReadOnly() || !box->isEnabled())
                continue;
            box->selectAll();
            timed(slowest_paste, [&] { box->insert(text); });
        }
        for (QPushButton *button : page->findChildren<QPushButton *>())
            timed(slowest_click, [&] { button->click(); });
        for (QLineEdit *box : page->findChildren<QLineEdit *>())
            QVERIFY2(!inf_or_nan.match(box->text()).hasMatch(), qPrintable(box->objectName()));
    }
    qInfo("slowest paste %lld ms, slowest click %lld ms", slowest_paste, slowest_click);
}

void EdgeInputTest::save_into_a_folder_that_vanished()
{
    auto services = std::make_shared<VanishingFolderServices>();
    app::Frmload window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    array_button(&window, 5)->click();
    array_button(&window, 14)->click(); // plot
    array_button(&window, 17)->click(); // save
    QCOMPARE(services->messages,
             QStringList{QStringLiteral("保存失败！\r\n请检查文件名、文件夹和写入权限。")});

    // The page stays usable: the next plot draws without a message.
    services->messages.clear();
    array_button(&window, 14)->click();
    QVERIFY(services->messages.isEmpty());
}

// As in the program, the main window is deleted when closed and the About window
// has no owner: it works on alone and, when it closes, the program ends.
void EdgeInputTest::about_window_outlives_the_main_window()
{
    QApplication::setQuitOnLastWindowClosed(true);
    auto services = std::make_shared<test::FakeServices>();
    QPointer<app::Frmload> window = new app::Frmload(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    array_button(window, 8)->click();
    QPointer<app::Frmabout> about = window->about_window();
    QVERIFY(about && about->isVisible());

    bool alive_with_about_alone = false;
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer::singleShot(300, [&] {
        alive_with_about_alone = window.isNull() && about && about->isVisible();
        if (!about)
            return;
        QTest::mouseClick(test::control<QWidget>(about, QStringLiteral("Label4")), Qt::LeftButton);
        test::button(about, QStringLiteral("Command1"))->click();
    });
    // Should closing the About window not end the program, stop waiting.
    QTimer::singleShot(10'000, [] { QCoreApplication::exit(1); });
    const int code = QApplication::exec();

    QVERIFY2(alive_with_about_alone, "the program ended with the main window");
    QCOMPARE(services->opened.size(), 1); // the mail link, with the main window gone
    QCOMPARE(code, 0);
}

VANTREL_GUI_TEST_MAIN(EdgeInputTest)

#include "edge_input_test.moc"
