// A long lesson at random: twenty thousand clicks, keystrokes and pastes over
// every page of the main window, with what the program promises checked after
// each one. The controls are found by their kind and name inside Frmload, so
// every page takes part as soon as it has controls.
//
// VANTREL_SESSION_EVENTS sets another number of events (slow sanitizer builds).
#include "app/about_window.h"
#include "app/main_window.h"
#include "support/fake_services.h"
#include "support/gui.h"
#include "support/gui_main.h"
#include "ui/graph_surface.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <malloc.h>
#include <unistd.h>

#include <map>
#include <random>

namespace {

constexpr std::uint32_t SEED = 20240607;
constexpr int DEFAULT_EVENTS = 20'000;

// Resident memory from /proc/self/statm, after handing freed memory back to
// the system so that only what is still allocated counts.
double resident_mib()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * sysconf(_SC_PAGESIZE) / (1 << 20);
}

// The program's sources, adjacent string literals joined into one ("a" "b"
// becomes "ab", as the compiler reads them).
QString program_sources(const QString &folder)
{
    static const QRegularExpression between_literals(
        QStringLiteral("(?<!\\\\)\"\\s*(u8|u|U|L)?\""));
    QString code;
    QDirIterator files(folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            code += QString::fromUtf8(file.readAll());
    }
    return code.remove(between_literals);
}

// A message is a Chinese string literal of the program, or two joined by CR LF:
// never an exception's text (the program speaks Chinese to the student), a
// number, or a garbled join.
bool is_program_text(const QString &sources, const QString &message)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    const auto own = [&](const QString &text) {
        return chinese.match(text).hasMatch() && sources.contains(u'"' + text + u'"');
    };
    const QStringList lines = message.split(QStringLiteral("\r\n"));
    return own(message) || (lines.size() == 2 && own(lines[0]) && own(lines[1]));
}

// Texts a student might type: numbers of every shape and plenty that are not.
// clang-format off
const QStringList ODD_TEXTS = {
    // nothing, blanks, letters, units and other notations
    "", " ", "abc", "3m", "速度", "12\t", "(3)", "$5", "1 000", "3/4", "0x1A", "&H10",
    // infinity and NaN as a student or a library might write them
    "inf", "-inf", "INF", "Infinity", "nan", "NaN", "1.#INF", "∞",
    // broken numbers; digits, minus signs and blanks from outside ASCII
    "1,5", "1..2", "e5", "1e", "1e+", "--2", "2-", "12e", ".e1", "+-1", "１２", "２.５", "١٢", "−3",
    "\u00a012",
    // the edges of the range, zero of both signs, short forms, a thousand
    // digits, a pasted paragraph
    "1e400", "-1e309", "1e308", "-1e308", "1e-320", "4.9e-324", "1.7976931348623157e308",
    "-0", "0", "+.5", "5.", " 7 ", QString(1000, u'9'), "第一题：v0 = 3 m/s，a = 2\n5",
};
// clang-format on

// The kinds that act on a control of the shown page come first.
enum class Kind { Type, Paste, Enter, Tick, Option, List, Action, Swatch, Go, About, Close, Help };

// In the order of Kind: the names, and how many of a hundred events are of each.
constexpr const char *KIND_NAMES[] = {"type",   "paste",  "enter",    "tick",  "option", "list",
                                      "action", "swatch", "navigate", "about", "close",  "help"};
constexpr int KIND_PERCENT[] = {22, 10, 4, 8, 7, 5, 24, 3, 13, 1, 2, 1};

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> T pick(const QList<T> &items) { return items.at(below(items.size())); }
    Kind kind() { return static_cast<Kind>(kinds_(engine_)); }

    // Numbers of every size: whole, with a fraction, with an exponent that
    // takes a result beyond the range of a double.
    QString number()
    {
        QString text = chance(30) ? QString::number(below(11))
                                  : QString::number((below(20001) - 10000) / 100.0, 'f', below(4));
        if (chance(30))
            text += (chance(50) ? u'e' : u'E') +
                    QString::number(chance(50) ? below(41) - 20 : below(601) - 300);
        return text;
    }

    QString text()
    {
        const int kind = below(100);
        if (kind < 60)
            return number();
        if (kind < 80)
            return pick(ODD_TEXTS);
        // Random characters from what a keyboard near a number offers.
        static const QString keys = QStringLiteral("0123456789.,eE+- xm中１\t");
        QString text;
        for (int n = below(12); n > 0; --n)
            text += keys[below(keys.size())];
        return text;
    }

private:
    std::mt19937 engine_;
    std::discrete_distribution<int> kinds_{std::begin(KIND_PERCENT), std::end(KIND_PERCENT)};
};

// Whether an event of the kind may act on a control of a page.
bool acts_on(Kind kind, const QWidget *widget)
{
    static const QRegularExpression action(QStringLiteral("^CurtButton1_\\d+$"));
    if (!widget->isVisible() || !widget->isEnabled())
        return false;
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return (kind == Kind::Type || kind == Kind::Paste || kind == Kind::Enter) &&
               !box->isReadOnly();
    if (qobject_cast<const QCheckBox *>(widget))
        return kind == Kind::Tick;
    if (qobject_cast<const QRadioButton *>(widget))
        return kind == Kind::Option;
    if (qobject_cast<const QPushButton *>(widget)) // the colour swatch is no action
        return kind ==
               (action.match(widget->objectName()).hasMatch() ? Kind::Action : Kind::Swatch);
    return kind == Kind::List && qobject_cast<const QComboBox *>(widget);
}

// The offscreen platform cannot raise a window; the About window asks it to
// every time it is opened again. Everything else is reported as usual.
QtMessageHandler default_handler = nullptr;

void drop_raise_warnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("does not support raise()")))
        return;
    default_handler(type, context, text);
}

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void long_session();

private:
    struct Event {
        Kind kind = Kind::Go;
        int page = -1;            // the page whose action runs, or -1
        QLineEdit *box = nullptr; // the box typed into
        std::optional<QString> save_answer;
        QString description;
    };

    Event step();
    QString check(int number, const Event &event);

    std::shared_ptr<test::FakeServices> services_ = std::make_shared<test::FakeServices>();
    std::unique_ptr<app::Frmload> window_;
    QHash<QLineEdit *, QString> shown_; // every box, as after the last event
    bool radians_ = false;
    ui::GraphSurface *picture_ = nullptr;
    QImage drawn_;
    QHash<QLineEdit *, QString> typed_text_;
    QString sources_;
    QTemporaryDir folder_;
    Random random_{SEED};
    int shown_page_ = 0;
    QStringList history_;
    std::map<QString, int> tally_;
};

void RandomSessionTest::initTestCase()
{
    default_handler = qInstallMessageHandler(drop_raise_warnings);
    QLocale::setDefault(QLocale::c());
    QVERIFY(folder_.isValid());
    sources_ = program_sources(QStringLiteral(VANTREL_SOURCE_DIR));

    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    radians_ = window_->angle_in_radians();
    for (QLineEdit *box : window_->findChildren<QLineEdit *>())
        shown_.insert(box, box->text());
    picture_ = window_->findChild<ui::GraphSurface *>();
    QVERIFY(picture_);
    drawn_ = picture_->take_image();
}

void RandomSessionTest::cleanupTestCase()
{
    delete window_->about_window();
    window_.reset();
}

// One event of a kind drawn at random among those the shown page offers.
RandomSessionTest::Event RandomSessionTest::step()
{
    const auto array_button = [this](int index) {
        return test::button(window_.get(), QStringLiteral("CurtButton1_%1").arg(index));
    };
    for (;;) {
        Event event;
        event.kind = random_.kind();
        QList<QWidget *> targets = window_->page(shown_page_)->findChildren<QWidget *>();
        targets.removeIf([&](const QWidget *widget) { return !acts_on(event.kind, widget); });
        if (event.kind < Kind::Go && targets.isEmpty())
            continue;
        QWidget *target = targets.isEmpty() ? nullptr : random_.pick(targets);
        auto *button = qobject_cast<QAbstractButton *>(target);
        event.box = qobject_cast<QLineEdit *>(target);
        event.description = QStringLiteral("%1 %2").arg(KIND_NAMES[int(event.kind)],
                                                        target ? target->objectName() : QString());
        switch (event.kind) {
        case Kind::Type:
        case Kind::Paste: {
            const QString text = random_.text();
            static const QRegularExpression keyboard(QStringLiteral("^[ -~]*$"));
            if (event.kind == Kind::Type && keyboard.match(text).hasMatch()) {
                test::type(event.box, text);
            } else {
                event.box->selectAll();
                event.box->insert(text); // a paste, or what an input method commits
            }
            // A box keeps what was typed for undo until the program sets its
            // text. Setting the same text (no signal) empties that history, so
            // that the memory figures show what the program itself keeps.
            event.box->setText(event.box->text());
            event.description += QStringLiteral(" \"%1\"").arg(text.left(40));
            break;
        }
        case Kind::Enter:
            event.page = shown_page_; // Enter presses the page's action button
            QTest::keyClick(event.box, random_.chance(50) ? Qt::Key_Return : Qt::Key_Enter);
            break;
        case Kind::Action:
            event.page = shown_page_;
            [[fallthrough]];
        case Kind::Tick:
        case Kind::Option:
        case Kind::Swatch: {
            // Answers to the dialogs a button may open: a name in the folder,
            // one in a folder that does not exist, a colour, or a cancel.
            static const QStringList names = {"图像.bmp", "graph.jpg", "振动图像",
                                              "g.JPEG",   "a b.bmp",   "missing/x.bmp"};
            if (random_.chance(70))
                event.save_answer = folder_.filePath(random_.pick(names));
            services_->save_answers.push_back(event.save_answer);
            if (random_.chance(80))
                services_->colour_answers.push_back(
                    QColor(random_.below(256), random_.below(256), random_.below(256)));
            button->click();
            break;
        }
        case Kind::List: {
            // Picking with the keyboard, as the list's own key handling reports it.
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
            QTest::keyClick(target, keys[random_.below(4)]);
            break;
        }
        case Kind::Go:
            shown_page_ = random_.below(app::Frmload::PAGE_COUNT);
            array_button(shown_page_)->click();
            event.description += QString::number(shown_page_);
            break;
        case Kind::About:
        case Kind::Help:
            array_button(event.kind == Kind::About ? 8 : 15)->click();
            break;
        case Kind::Close: {
            app::Frmabout *about = window_->about_window();
            if (!about)
                continue;
            if (random_.chance(50))
                test::button(about, QStringLiteral("Command1"))->click();
            else
                about->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
        }
        return event;
    }
}

QString RandomSessionTest::check(int number, const Event &event)
{
    // What a result box must never show, in any spelling a library might use.
    static const QRegularExpression inf_or_nan(QStringLiteral("(?i)inf|nan|∞|#"));
    const bool radians_before = std::exchange(radians_, window_->angle_in_radians());
    const auto on_acting_page = [&](const QWidget *widget) {
        return event.page >= 0 && window_->page(event.page)->isAncestorOf(widget);
    };
    // Result boxes change only on their own page's action; typing changes the
    // box typed into; unticking a quantity empties its box.
    for (auto shown = shown_.begin(); shown != shown_.end(); ++shown) {
        QLineEdit *box = shown.key();
        const QString text = box->text();
        if (box == event.box && event.kind != Kind::Enter) {
            typed_text_.insert(box, text);
        } else if (text != *shown) {
            const bool emptied_by_tick = event.kind == Kind::Tick && text.isEmpty();
            if (!on_acting_page(box) && !emptied_by_tick)
                return QStringLiteral("%1 changed from \"%2\" to \"%3\"")
                    .arg(box->objectName(), shown->left(40), text.left(40));
            typed_text_.remove(box);
            ++tally_[QStringLiteral("results written")];
        }
        if (inf_or_nan.match(text).hasMatch() && typed_text_.value(box) != text)
            return QStringLiteral("%1 shows \"%2\"").arg(box->objectName(), text.left(40));
        *shown = text;
    }
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        if (window_->page(n)->isVisible() != (n == shown_page_))
            return QStringLiteral("page %1 is wrongly shown or hidden").arg(n);
    }

    // The graph stays as drawn until its own page plots again: compared after
    // every navigation and every tenth event, where a full comparison is cheap.
    if (on_acting_page(picture_))
        drawn_ = picture_->take_image();
    else if ((event.kind == Kind::Go || number % 10 == 0) && picture_->take_image() != drawn_)
        return QStringLiteral("the graph changed");

    if (radians_ != radians_before && event.kind != Kind::List)
        return QStringLiteral("the angle unit changed");

    // Messages: only from a page's action, and only the program's own texts.
    for (const QString &message : std::as_const(services_->messages)) {
        if (event.page < 0)
            return QStringLiteral("message \"%1\" without an action").arg(message);
        if (!is_program_text(sources_, message))
            return QStringLiteral("message \"%1\" is not one of the program's texts").arg(message);
        ++tally_[QStringLiteral("message: ") + QString(message).replace("\r\n", " / ")];
    }

    // A save writes its file, or says that it could not.
    if (!services_->save_requests.isEmpty() && event.save_answer) {
        const bool saved = QFile::remove(*event.save_answer);
        if (!saved && services_->messages.isEmpty())
            return QStringLiteral("saving %1 wrote nothing, said nothing").arg(*event.save_answer);
        ++tally_[saved ? QStringLiteral("files saved") : QStringLiteral("save failures reported")];
    }
    return {};
}

void RandomSessionTest::long_session()
{
    const int asked = qEnvironmentVariableIntValue("VANTREL_SESSION_EVENTS");
    const int events = asked > 0 ? asked : DEFAULT_EVENTS;
    const int middle = events / 2;
    double resident_middle = 0;
    double resident_end = 0;
    QElapsedTimer clock;
    clock.start();
    for (int n = 1; n <= events; ++n) {
        const Event event = step();
        if (n % 8 == 0)
            QCoreApplication::processEvents();
        ++tally_[QStringLiteral("events: ") + KIND_NAMES[int(event.kind)]];
        history_.append(QStringLiteral("%1: %2").arg(n).arg(event.description));
        if (history_.size() > 25)
            history_.removeFirst();
        const QString problem = check(n, event);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("event %1: %2\nlast events:\n  %3")
                                 .arg(n)
                                 .arg(problem, history_.join(QStringLiteral("\n  ")))));
        *services_ = test::FakeServices(); // what the desktop saw, and the unused answers

        if (n == middle || n == events) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            (n == middle ? resident_middle : resident_end) = resident_mib();
        }
    }

    const double growth = resident_end - resident_middle;
    qInfo("%d events in %.1f s (seed %u)", events, clock.elapsed() / 1000.0, SEED);
    for (const auto &[what, count] : tally_)
        qInfo("  %6d  %s", count, qPrintable(what));
    qInfo("resident memory at event %d: %.2f MiB, at event %d: %.2f MiB, growth %.3f MiB", middle,
          resident_middle, events, resident_end, growth);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine; its figure says nothing.
    qInfo("memory growth not judged under AddressSanitizer");
#else
    if (events >= DEFAULT_EVENTS)
        QVERIFY2(growth <= 2.0, qPrintable(QStringLiteral("grew %1 MiB").arg(growth)));
#endif
}

VANTREL_GUI_TEST_MAIN(RandomSessionTest)

#include "random_session_test.moc"
