// Input at the edges of what a student does: a pasted text of a hundred
// thousand characters in every box, a save into a folder that vanished while
// the dialog was open, and closing the main window while the About window is
// still open.
#include "app/about_window.h"
#include "app/main_window.h"
#include "mechanics/numbers.h"
#include "support/fake_services.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QtMessageHandler default_handler = nullptr;

// The offscreen platform cannot raise a window; everything else is reported.
void drop_raise_warnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("does not support raise()")))
        return;
    default_handler(type, context, text);
}

bool looks_infinite_or_nan(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("inf|nan|∞"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

QPushButton *array_button(const QWidget *root, int index)
{
    return root->findChild<QPushButton *>(QStringLiteral("CurtButton1_%1").arg(index));
}

QList<QPushButton *> page_actions(const QGroupBox *page)
{
    static const QRegularExpression element(QStringLiteral("^CurtButton1_\\d+$"));
    QList<QPushButton *> actions;
    for (QPushButton *button : page->findChildren<QPushButton *>()) {
        if (element.match(button->objectName()).hasMatch())
            actions.append(button);
    }
    return actions;
}

// The desktop of a user whose save folder is deleted (by another program, a
// USB stick pulled out) while the save dialog is still open.
class VanishingFolderServices final : public ui::Services {
public:
    explicit VanishingFolderServices(QString name_in_folder) : name_(std::move(name_in_folder)) {}

    void show_message(QWidget *owner, const QString &text) override
    {
        recorder.show_message(owner, text);
    }
    std::optional<QColor> choose_colour(QWidget *owner, const QColor &initial) override
    {
        return recorder.choose_colour(owner, initial);
    }
    std::optional<QString> choose_save_name(QWidget *owner, const ui::SaveRequest &request) override
    {
        recorder.choose_save_name(owner, request);
        const QString answer = QDir(folder_.path()).filePath(name_);
        folder_.remove();
        return answer;
    }
    bool open_url(const QUrl &url) override { return recorder.open_url(url); }

    test::FakeServices recorder;

private:
    QTemporaryDir folder_;
    QString name_;
};

} // namespace

class EdgeInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void long_texts_read_in_one_pass_data();
    void long_texts_read_in_one_pass();
    void huge_paste_answers_at_once_data();
    void huge_paste_answers_at_once();
    void save_into_a_folder_that_vanished();
    // Last: it runs the application's event loop until the program would end.
    void about_window_outlives_the_main_window();
};

void EdgeInputTest::initTestCase()
{
    default_handler = qInstallMessageHandler(drop_raise_warnings);
    QLocale::setDefault(QLocale::c());
}

void EdgeInputTest::long_texts_read_in_one_pass_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");
    for (const int length : {10'000, 100'000, 1'000'000}) {
        const QByteArray size = QByteArray::number(length / 1000) + "k";
        const QByteArray zeros(length, '0');
        const QByteArray nines(length, '9');
        QTest::newRow("leading zeros " + size) << zeros + "1" << true << 1.0;
        QTest::newRow("fraction below range " + size) << "0." + zeros + "1" << true << 0.0;
        QTest::newRow("digits cancelled by exponent " + size)
            << "1" + zeros + "e-" + QByteArray::number(length) << true << 1.0;
        QTest::newRow("trailing blanks " + size) << "5" + QByteArray(length, ' ') << true << 5.0;
        QTest::newRow("zero with long exponent " + size) << "0e" + nines << true << 0.0;
        QTest::newRow("exponent below range " + size) << "1e-" + nines << true << 0.0;
        QTest::newRow("digits beyond range " + size) << QByteArray(length, '7') << false << 0.0;
        QTest::newRow("exponent beyond range " + size) << "1e" + nines << false << 0.0;
        QTest::newRow("letter at the end " + size) << zeros + "x" << false << 0.0;
    }
}

// What a box's text costs to read, up to a million characters: the right
// value or a clean failure, and a time that grows with the length alone (the
// rows of one shape side by side show it; nothing is asserted about time).
void EdgeInputTest::long_texts_read_in_one_pass()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    QElapsedTimer clock;
    clock.start();
    bool read = false;
    double result = 0;
    try {
        result = mechanics::read_number(std::string_view(text.constData(), text.size()));
        read = true;
    } catch (const mechanics::CalculationFailure &) {
    }
    const qint64 elapsed = clock.nsecsElapsed();
    QCOMPARE(read, accepted);
    if (accepted)
        QCOMPARE(result, value);
    qInfo("%8d characters read in %.3f ms", static_cast<int>(text.size()), elapsed / 1e6);
}

void EdgeInputTest::huge_paste_answers_at_once_data()
{
    QTest::addColumn<QString>("text");
    for (const int length : {10'000, 100'000}) {
        const QByteArray size = QByteArray::number(length / 1000) + "k";
        QTest::newRow("digits " + size) << QString(length, u'7');
        QTest::newRow("tiny decimal " + size)
            << QStringLiteral("0.") + QString(length - 3, u'0') + QStringLiteral("1");
        QTest::newRow("long exponent " + size) << QStringLiteral("1e-") + QString(length - 3, u'9');
        QTest::newRow("paragraph " + size)
            << QStringLiteral("物体从静止开始做匀加速直线运动，加速度为2 m/s²。")
                   .repeated(length / 25);
    }
}

// Every editable box of every page gets the text (check boxes ticked first so
// that their boxes open); then every action button of the page is pressed.
// No time is asserted: the slowest click is reported, and the 10k and 100k
// rows side by side show whether the cost grows faster than the text.
void EdgeInputTest::huge_paste_answers_at_once()
{
    QFETCH(QString, text);
    auto services = std::make_shared<test::FakeServices>();
    app::Frmload window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    qint64 slowest_paste = 0;
    qsizetype longest_box = 0;
    qint64 slowest_click = 0;
    QString slowest;
    QElapsedTimer clock;
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        array_button(&window, n)->click();
        QGroupBox *page = window.page(n);
        for (QCheckBox *tick : page->findChildren<QCheckBox *>()) {
            if (!tick->isChecked() && tick->isEnabled())
                tick->click();
        }
        for (QLineEdit *box : page->findChildren<QLineEdit *>()) {
            if (box->isReadOnly() || !box->isEnabled() ||
                qobject_cast<QComboBox *>(box->parentWidget()))
                continue;
            clock.start();
            box->selectAll();
            box->insert(text);
            QCoreApplication::processEvents(); // lay the text out and paint it
            slowest_paste = std::max(slowest_paste, clock.nsecsElapsed());
            longest_box = std::max(longest_box, box->text().size());
        }
        for (QPushButton *action : page_actions(page)) {
            clock.start();
            action->click();
            QCoreApplication::processEvents();
            const qint64 elapsed = clock.nsecsElapsed();
            if (elapsed > slowest_click) {
                slowest_click = elapsed;
                slowest = QStringLiteral("%1 \"%2\"").arg(action->objectName(), action->text());
            }
        }
        for (QLineEdit *box : page->findChildren<QLineEdit *>())
            QVERIFY2(!looks_infinite_or_nan(box->text()), qPrintable(box->objectName()));
        QVERIFY(page->isVisible());
    }
    for (const QString &message : std::as_const(services->messages))
        QVERIFY2(!message.contains(text.left(20)), "a message repeats the pasted text");
    qInfo("%d characters pasted, %d kept by a box: slowest paste %.2f ms, slowest click %.2f ms "
          "(%s)",
          static_cast<int>(text.size()), static_cast<int>(longest_box), slowest_paste / 1e6,
          slowest_click / 1e6, qPrintable(slowest));
}

void EdgeInputTest::save_into_a_folder_that_vanished()
{
    auto services = std::make_shared<VanishingFolderServices>(QStringLiteral("振动图像.bmp"));
    app::Frmload window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    array_button(&window, 5)->click();
    array_button(&window, 14)->click();
    QVERIFY(services->recorder.messages.isEmpty());

    array_button(&window, 17)->click();
    if (services->recorder.save_requests.isEmpty())
        QSKIP("the vibration page does not save yet");
    QCOMPARE(services->recorder.messages,
             QStringList{QStringLiteral("保存失败！\r\n请检查文件名、文件夹和写入权限。")});

    // The page stays usable: the next plot draws without a message.
    services->recorder.messages.clear();
    array_button(&window, 14)->click();
    QVERIFY(services->recorder.messages.isEmpty());
    QVERIFY(window.page(5)->isVisible());
}

// As the program runs it: the main window is deleted when closed, the About
// window has no owner. The About window works on alone and, when it closes,
// the program ends.
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
        QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("Label4")), Qt::LeftButton);
        about->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    // Should closing the About window not end the program, stop waiting.
    QTimer::singleShot(10'000, [] { QCoreApplication::exit(1); });
    const int code = QApplication::exec();

    QVERIFY2(alive_with_about_alone, "the program ended with the main window");
    QCOMPARE(services->opened.size(), 1);
    QCOMPARE(services->opened.first().scheme(), QStringLiteral("mailto"));
    QCOMPARE(code, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    EdgeInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "edge_input_test.moc"
