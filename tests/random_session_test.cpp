// A long lesson at random: twenty thousand clicks, keystrokes and pastes over
// every page of the main window, with what the program promises checked after
// each one. The controls are found by their kind and name inside Frmload, so
// every page takes part as soon as it has controls.
//
// VANTREL_SESSION_EVENTS sets another number of events (slow sanitizer builds).
#include "app/about_window.h"
#include "app/main_window.h"
#include "graph/graph_surface.h"
#include "support/fake_services.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <map>
#include <random>

namespace {

constexpr std::uint32_t SEED = 20240607;
constexpr int DEFAULT_EVENTS = 20'000;
constexpr int HISTORY = 25;

int event_count()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("VANTREL_SESSION_EVENTS", &ok);
    return ok && events > 0 ? events : DEFAULT_EVENTS;
}

// Resident memory from /proc/self/statm, after handing freed memory back to
// the system so that only what is still allocated counts.
std::size_t resident_bytes()
{
    malloc_trim(0);
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    unsigned long size = 0;
    unsigned long resident = 0;
    const int read = std::fscanf(statm, "%lu %lu", &size, &resident);
    std::fclose(statm);
    return read == 2 ? resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// Every string literal of the program's sources, adjacent literals also
// joined. A message the program shows must be a Chinese one of them, or two
// of them joined by CR LF: never an exception's text, a number or a garbled
// join.
QSet<QString> program_texts(const QString &source_folder)
{
    QSet<QString> texts;
    QDirIterator files(source_folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString code = QString::fromUtf8(file.readAll());
        QString joined;
        qsizetype joined_end = -1;
        for (qsizetype i = 0; i < code.size(); ++i) {
            const QChar c = code[i];
            if (c == u'\'') {
                // A character literal, unless it separates digits (1'000).
                if (i > 0 && code[i - 1].isLetterOrNumber())
                    continue;
                for (++i; i < code.size() && code[i] != u'\''; ++i) {
                    if (code[i] == u'\\')
                        ++i;
                }
                continue;
            }
            if (c == u'/' && i + 1 < code.size() && code[i + 1] == u'/') {
                i = code.indexOf(u'\n', i);
                if (i < 0)
                    break;
                continue;
            }
            if (c != u'"')
                continue;
            QString literal;
            const bool raw = i > 0 && code[i - 1] == u'R';
            if (raw) {
                const qsizetype open = code.indexOf(u'(', i);
                const QString end = u')' + code.mid(i + 1, open - i - 1) + u'"';
                const qsizetype close = code.indexOf(end, open);
                literal = code.mid(open + 1, close - open - 1);
                i = close + end.size() - 1;
            } else {
                for (++i; i < code.size() && code[i] != u'"'; ++i) {
                    if (code[i] != u'\\') {
                        literal += code[i];
                        continue;
                    }
                    const QChar escaped = code[++i];
                    literal += escaped == u'n'   ? QChar(u'\n')
                               : escaped == u'r' ? QChar(u'\r')
                               : escaped == u't' ? QChar(u'\t')
                                                 : escaped;
                }
            }
            texts.insert(literal);
            // Literals separated only by blanks (and a u/u8 prefix) are one.
            const QString between = code.mid(joined_end + 1, i - literal.size() - joined_end - 2);
            static const QRegularExpression only_blanks(QStringLiteral(R"(^\s*(u8|u|U|L)?$)"));
            joined = joined_end >= 0 && only_blanks.match(between).hasMatch() ? joined + literal
                                                                              : literal;
            texts.insert(joined);
            joined_end = i;
        }
    }
    return texts;
}

// The program speaks Chinese to the student; an English literal such as the
// text of a calculation failure must never reach a message box.
bool is_chinese(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff; });
}

bool is_program_text(const QSet<QString> &texts, const QString &message)
{
    if (texts.contains(message))
        return is_chinese(message);
    const QStringList lines = message.split(QStringLiteral("\r\n"));
    return lines.size() == 2 && texts.contains(lines[0]) && texts.contains(lines[1]) &&
           is_chinese(lines[0]) && is_chinese(lines[1]);
}

// What a result box must never show, in any spelling a library might use.
bool looks_infinite_or_nan(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("inf|nan|∞|#"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

// Texts a student might type: numbers of every shape and plenty that are not.
// clang-format off
const QStringList ODD_TEXTS = {
    // nothing, blanks, letters, units and other notations
    "", " ", "abc", "3m", "速度", "12\t", "(3)", "$5", "1 000", "3/4", "0x1A", "&H10",
    // infinity and NaN as a student or a library might write them
    "inf", "-inf", "INF", "Infinity", "nan", "NaN", "1.#INF", "∞",
    // broken numbers
    "1,5", "1..2", "e5", "1e", "1e+", "--2", "2-", "12e", ".e1", "+-1",
    // digits, minus signs and blanks from outside ASCII
    "１２", "２.５", "١٢", "−3", "\u00a012",
    // the edges of the range, zero of both signs, short forms
    "1e400", "-1e309", "1e308", "-1e308", "1e-320", "4.9e-324", "1.7976931348623157e308",
    "-0", "0", "+.5", "5.", " 7 ",
};
// clang-format on

class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> T pick(const QList<T> &items) { return items.at(below(items.size())); }

    QString number()
    {
        switch (below(6)) {
        case 0:
            return QString::number(below(201) - 50);
        case 1:
            return QString::number((below(20001) - 10000) / 100.0, 'f', below(4));
        case 2:
            return QStringLiteral("%1e%2").arg(below(99) + 1).arg(below(41) - 20);
        case 3:
            return QString::number(below(10) + 1);
        case 4:
            return QStringLiteral("%1.%2").arg(below(1000)).arg(below(1000));
        default:
            return QStringLiteral("%1%2E%3")
                .arg(chance(50) ? "-" : "+")
                .arg(below(9) + 1)
                .arg(below(600) - 300);
        }
    }

    // Random characters from what a keyboard near a number offers.
    QString scramble()
    {
        static const QString alphabet = QStringLiteral("0123456789.,eE+- xm中１\t");
        QString text;
        for (int n = below(12); n > 0; --n)
            text += alphabet[below(alphabet.size())];
        return text;
    }

    QString text()
    {
        const int kind = below(100);
        if (kind < 60)
            return number();
        if (kind < 80)
            return pick(ODD_TEXTS);
        if (kind < 98)
            return scramble();
        // A pasted paragraph or a thousand digits.
        return chance(50) ? QString(1000, u'9')
                          : QStringLiteral("第一题：v0 = 3 m/s，a = 2\n") + number();
    }

private:
    std::mt19937 engine_;
};

// A box keeps every typed and deleted character for undo until the program
// sets its text: memory that grows with the typing, about 16 bytes a
// character, and is given back when the box is written. Setting the same text
// again (no signal: the text does not change) empties that history, so that
// the memory figures show what the program itself keeps.
void forget_undo(QLineEdit *box)
{
    box->setText(box->text());
}

bool is_ascii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

enum class Kind {
    Navigate,
    Type,
    Paste,
    Enter,
    Tick,
    Option,
    List,
    Action,
    Swatch,
    LabelClick,
    About,
    CloseAbout,
    Help,
};

constexpr const char *KIND_NAMES[] = {
    "navigate", "type",   "paste", "enter", "tick",        "option", "list",
    "action",   "swatch", "label", "about", "close about", "help",
};

// How often each kind of event comes, out of the sum.
constexpr std::array<std::pair<Kind, int>, 13> WEIGHTS = {{
    {Kind::Navigate, 10},
    {Kind::Type, 22},
    {Kind::Paste, 10},
    {Kind::Enter, 4},
    {Kind::Tick, 8},
    {Kind::Option, 7},
    {Kind::List, 5},
    {Kind::Action, 24},
    {Kind::Swatch, 3},
    {Kind::LabelClick, 3},
    {Kind::About, 1},
    {Kind::CloseAbout, 2},
    {Kind::Help, 1},
}};

struct PageControls {
    QList<QLineEdit *> boxes;
    QList<QCheckBox *> ticks;
    QList<QRadioButton *> options;
    QList<QComboBox *> lists;
    QList<QPushButton *> actions; // elements of CurtButton1
    QList<QPushButton *> others;  // the colour swatch and the like
    QList<QLabel *> labels;
};

struct Figures {
    std::map<QString, int> events;
    std::map<QString, int> messages;
    int results_written = 0;
    int files_saved = 0;
    int save_failures_reported = 0;
    std::size_t resident_middle = 0;
    std::size_t resident_end = 0;
};

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void long_session();

private:
    struct Event {
        Kind kind = Kind::Navigate;
        int page = -1;            // the page whose action runs, or -1
        int go_to = -1;           // the page a navigation button shows
        QLineEdit *box = nullptr; // the box typed into, or pressed Enter in
        std::optional<QString> save_answer;
        QString description;
    };

    Event next_event();
    void run(Event &event);
    QString check(int number, const Event &event, const QList<QString> &before, bool angle_before);
    QString history() const;
    std::size_t picture_hash() const;

    std::shared_ptr<test::FakeServices> services_;
    std::unique_ptr<app::Frmload> window_;
    std::array<PageControls, app::Frmload::PAGE_COUNT> pages_;
    QList<QLineEdit *> all_boxes_;
    QHash<QLineEdit *, int> owner_;
    graph::GraphSurface *picture_ = nullptr;
    int picture_page_ = -1;
    std::size_t picture_hash_ = 0;
    QHash<QLineEdit *, QString> typed_text_;
    QSet<QString> texts_;
    QTemporaryDir folder_;
    Random random_{SEED};
    int shown_page_ = 0;
    int saves_ = 0;
    std::deque<QString> history_;
    Figures figures_;
};

namespace {

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

void RandomSessionTest::initTestCase()
{
    default_handler = qInstallMessageHandler(drop_raise_warnings);
    QLocale::setDefault(QLocale::c());
    QVERIFY(folder_.isValid());
    texts_ = program_texts(QStringLiteral(VANTREL_SOURCE_DIR));
    QVERIFY(!texts_.isEmpty());

    services_ = std::make_shared<test::FakeServices>();
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

    static const QRegularExpression array_element(QStringLiteral("^CurtButton1_\\d+$"));
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        QGroupBox *page = window_->page(n);
        PageControls &controls = pages_[static_cast<std::size_t>(n)];
        for (QLineEdit *box : page->findChildren<QLineEdit *>()) {
            if (qobject_cast<QComboBox *>(box->parentWidget()))
                continue; // the editor of a list: its text follows the list
            controls.boxes.append(box);
            all_boxes_.append(box);
            owner_.insert(box, n);
        }
        if (auto *picture = page->findChild<graph::GraphSurface *>()) {
            picture_ = picture;
            picture_page_ = n;
            picture_hash_ = picture_hash();
        }
        controls.ticks = page->findChildren<QCheckBox *>();
        controls.options = page->findChildren<QRadioButton *>();
        controls.lists = page->findChildren<QComboBox *>();
        for (QPushButton *button : page->findChildren<QPushButton *>()) {
            if (array_element.match(button->objectName()).hasMatch())
                controls.actions.append(button);
            else
                controls.others.append(button);
        }
        controls.labels = page->findChildren<QLabel *>();
    }
}

void RandomSessionTest::cleanupTestCase()
{
    if (app::Frmabout *about = window_->about_window())
        delete about;
    window_.reset();
}

RandomSessionTest::Event RandomSessionTest::next_event()
{
    const PageControls &page = pages_[static_cast<std::size_t>(shown_page_)];
    auto usable = [](auto *widget) { return widget->isVisible() && widget->isEnabled(); };
    QList<QLineEdit *> editable;
    for (QLineEdit *box : page.boxes) {
        if (usable(box) && !box->isReadOnly())
            editable.append(box);
    }
    auto enabled = [&](const auto &list) {
        std::remove_cvref_t<decltype(list)> out;
        for (auto *widget : list) {
            if (usable(widget))
                out.append(widget);
        }
        return out;
    };

    int total = 0;
    for (const auto &[kind, weight] : WEIGHTS)
        total += weight;
    for (;;) {
        int roll = random_.below(total);
        Kind kind = Kind::Navigate;
        for (const auto &[candidate, weight] : WEIGHTS) {
            if (roll < weight) {
                kind = candidate;
                break;
            }
            roll -= weight;
        }
        Event event;
        event.kind = kind;
        switch (kind) {
        case Kind::Navigate:
            event.go_to = random_.below(app::Frmload::PAGE_COUNT);
            event.description = QStringLiteral("show page %1").arg(event.go_to);
            return event;
        case Kind::Type:
        case Kind::Paste:
        case Kind::Enter:
            if (editable.isEmpty())
                continue;
            event.box = random_.pick(editable);
            event.description = QStringLiteral("%1 in %2")
                                    .arg(QLatin1String(KIND_NAMES[static_cast<int>(kind)]),
                                         event.box->objectName());
            if (kind == Kind::Enter)
                event.page = shown_page_; // Enter presses the page's action button
            return event;
        case Kind::Tick:
            if (enabled(page.ticks).isEmpty())
                continue;
            return event;
        case Kind::Option:
            if (enabled(page.options).isEmpty())
                continue;
            return event;
        case Kind::List:
            if (enabled(page.lists).isEmpty())
                continue;
            return event;
        case Kind::Action:
            if (enabled(page.actions).isEmpty())
                continue;
            event.page = shown_page_;
            return event;
        case Kind::Swatch:
            if (enabled(page.others).isEmpty())
                continue;
            return event;
        case Kind::LabelClick:
            if (page.labels.isEmpty())
                continue;
            return event;
        case Kind::About:
        case Kind::Help:
            return event;
        case Kind::CloseAbout:
            if (!window_->about_window())
                continue;
            return event;
        }
    }
}

void RandomSessionTest::run(Event &event)
{
    const PageControls &page = pages_[static_cast<std::size_t>(shown_page_)];
    auto pick_enabled = [&](const auto &list) {
        std::remove_cvref_t<decltype(list)> out;
        for (auto *widget : list) {
            if (widget->isVisible() && widget->isEnabled())
                out.append(widget);
        }
        return random_.pick(out);
    };
    auto array_button = [&](int index) {
        return window_->findChild<QPushButton *>(QStringLiteral("CurtButton1_%1").arg(index));
    };

    switch (event.kind) {
    case Kind::Navigate:
        array_button(event.go_to)->click();
        shown_page_ = event.go_to;
        break;
    case Kind::Type: {
        const QString text = random_.text();
        event.box->selectAll();
        if (is_ascii(text)) {
            QTest::keyClick(event.box, Qt::Key_Delete);
            QTest::keyClicks(event.box, text);
        } else {
            event.box->insert(text); // what an input method commits
        }
        event.description += QStringLiteral(" \"%1\"").arg(text.left(40));
        forget_undo(event.box);
        break;
    }
    case Kind::Paste: {
        const QString text = random_.text();
        event.box->selectAll();
        event.box->insert(text);
        event.description += QStringLiteral(" \"%1\"").arg(text.left(40));
        forget_undo(event.box);
        break;
    }
    case Kind::Enter:
        QTest::keyClick(event.box, random_.chance(50) ? Qt::Key_Return : Qt::Key_Enter);
        break;
    case Kind::Tick: {
        QCheckBox *tick = pick_enabled(page.ticks);
        tick->click();
        event.description = QStringLiteral("tick %1").arg(tick->objectName());
        break;
    }
    case Kind::Option: {
        QRadioButton *option = pick_enabled(page.options);
        option->click();
        event.description = QStringLiteral("choose %1").arg(option->objectName());
        break;
    }
    case Kind::List: {
        // Picking with the keyboard, as the list's own key handling reports it.
        QComboBox *list = pick_enabled(page.lists);
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[random_.below(4)];
        QTest::keyClick(list, key);
        event.description = QStringLiteral("list %1 key %2 -> %3")
                                .arg(list->objectName())
                                .arg(key)
                                .arg(list->currentIndex());
        break;
    }
    case Kind::Action: {
        QPushButton *button = pick_enabled(page.actions);
        event.description =
            QStringLiteral("press %1 \"%2\"").arg(button->objectName(), button->text());
        const int chosen = random_.below(10);
        if (chosen < 6) {
            static const QStringList names = {"图像.bmp", "graph.jpg", "振动图像", "g.JPEG",
                                              "a b.bmp"};
            event.save_answer =
                QDir(folder_.path())
                    .filePath(QStringLiteral("%1-%2").arg(++saves_).arg(random_.pick(names)));
        } else if (chosen < 7) {
            event.save_answer = QDir(folder_.path()).filePath(QStringLiteral("missing/x.bmp"));
        }
        services_->save_answers.push_back(event.save_answer);
        button->click();
        break;
    }
    case Kind::Swatch: {
        QPushButton *button = pick_enabled(page.others);
        std::optional<QColor> colour;
        if (random_.chance(80))
            colour = QColor(random_.below(256), random_.below(256), random_.below(256));
        services_->colour_answers.push_back(colour);
        button->click();
        event.description = QStringLiteral("swatch %1 %2")
                                .arg(button->objectName(), colour ? colour->name() : "cancel");
        break;
    }
    case Kind::LabelClick: {
        QLabel *label = random_.pick(page.labels);
        if (label->isVisible())
            QTest::mouseClick(label, Qt::LeftButton);
        event.description = QStringLiteral("click label %1").arg(label->objectName());
        break;
    }
    case Kind::About:
        array_button(8)->click();
        event.description = QStringLiteral("about");
        break;
    case Kind::CloseAbout: {
        app::Frmabout *about = window_->about_window();
        auto *ok = about->findChild<QPushButton *>(QStringLiteral("Command1"));
        if (ok && random_.chance(50))
            ok->click();
        else
            about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        event.description = QStringLiteral("close about");
        break;
    }
    case Kind::Help:
        array_button(15)->click();
        event.description = QStringLiteral("help");
        break;
    }
}

QString RandomSessionTest::check(int number, const Event &event, const QList<QString> &before,
                                 bool angle_before)
{
    // Result boxes change only on their own page's action; typing changes the
    // box typed into; unticking a quantity empties its box.
    for (qsizetype i = 0; i < all_boxes_.size(); ++i) {
        QLineEdit *box = all_boxes_[i];
        const QString text = box->text();
        const bool typed = event.kind == Kind::Type || event.kind == Kind::Paste;
        if (typed && box == event.box) {
            typed_text_.insert(box, text);
            continue;
        }
        if (text != before[i]) {
            const int page = owner_.value(box);
            const bool own_action = event.page == page;
            const bool emptied_by_tick = event.kind == Kind::Tick && text.isEmpty();
            if (!own_action && !emptied_by_tick)
                return QStringLiteral("%1 changed from \"%2\" to \"%3\"")
                    .arg(box->objectName(), before[i].left(40), text.left(40));
            typed_text_.remove(box);
            ++figures_.results_written;
        }
        if (looks_infinite_or_nan(text) && typed_text_.value(box) != text)
            return QStringLiteral("%1 shows \"%2\"").arg(box->objectName(), text.left(40));
    }
    for (QLineEdit *box : window_->findChildren<QLineEdit *>()) {
        if (!owner_.contains(box) && looks_infinite_or_nan(box->text()))
            return QStringLiteral("%1 shows \"%2\"").arg(box->objectName(), box->text().left(40));
    }

    // Exactly one page, the one chosen last.
    for (int n = 0; n < app::Frmload::PAGE_COUNT; ++n) {
        if (window_->page(n)->isVisible() != (n == shown_page_))
            return QStringLiteral("page %1 visible: %2 (page %3 was chosen)")
                .arg(n)
                .arg(window_->page(n)->isVisible())
                .arg(shown_page_);
    }

    // The graph stays as drawn until its own page plots again: compared after
    // every navigation and every tenth event, where a full comparison is cheap.
    if (picture_) {
        if (event.page == picture_page_)
            picture_hash_ = picture_hash();
        else if ((event.kind == Kind::Navigate || number % 10 == 0) &&
                 picture_hash() != picture_hash_)
            return QStringLiteral("the graph changed");
    }

    if (window_->angle_in_radians() != angle_before && event.kind != Kind::List)
        return QStringLiteral("the angle unit changed");

    // Messages: only from a page's action, and only the program's own texts.
    for (const QString &message : std::as_const(services_->messages)) {
        if (event.page < 0)
            return QStringLiteral("message \"%1\" without an action").arg(message);
        if (!is_program_text(texts_, message))
            return QStringLiteral("message \"%1\" is not one of the program's texts").arg(message);
        ++figures_.messages[message];
    }

    // A save writes its file, or says that it could not.
    if (!services_->save_requests.isEmpty() && event.save_answer) {
        const bool written = QFileInfo(*event.save_answer).isFile();
        if (written) {
            ++figures_.files_saved;
            QFile::remove(*event.save_answer);
        } else if (services_->messages.isEmpty()) {
            return QStringLiteral("saving %1 wrote nothing and said nothing")
                .arg(*event.save_answer);
        } else {
            ++figures_.save_failures_reported;
        }
    }
    return {};
}

std::size_t RandomSessionTest::picture_hash() const
{
    const QImage image = picture_->take_image();
    return qHash(QByteArrayView(image.constBits(), image.sizeInBytes()));
}

QString RandomSessionTest::history() const
{
    QString text = QStringLiteral("last events:");
    for (const QString &line : history_)
        text += QStringLiteral("\n  ") + line;
    return text;
}

void RandomSessionTest::long_session()
{
    const int events = event_count();
    const int middle = events / 2;
    QElapsedTimer clock;
    clock.start();
    QList<QString> before;
    before.reserve(all_boxes_.size());

    for (int n = 1; n <= events; ++n) {
        before.clear();
        for (QLineEdit *box : std::as_const(all_boxes_))
            before.append(box->text());
        const bool angle_before = window_->angle_in_radians();

        Event event = next_event();
        run(event);
        if (n % 8 == 0)
            QCoreApplication::processEvents();
        ++figures_.events[QLatin1String(KIND_NAMES[static_cast<int>(event.kind)])];

        history_.push_back(QStringLiteral("%1: %2").arg(n).arg(event.description));
        if (history_.size() > HISTORY)
            history_.pop_front();
        const QString problem = check(n, event, before, angle_before);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("event %1: %2\n%3").arg(n).arg(problem, history())));

        services_->messages.clear();
        services_->save_requests.clear();
        services_->colour_requests.clear();
        services_->opened.clear();
        services_->save_answers.clear();
        services_->colour_answers.clear();

        if (n == middle || n == events) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            (n == middle ? figures_.resident_middle : figures_.resident_end) = resident_bytes();
        }
    }

    const double growth_mib = (static_cast<double>(figures_.resident_end) -
                               static_cast<double>(figures_.resident_middle)) /
                              (1024.0 * 1024.0);
    qInfo("%d events in %.1f s (seed %u)", events, clock.elapsed() / 1000.0, SEED);
    for (const auto &[kind, count] : figures_.events)
        qInfo("  %-12s %6d", qPrintable(kind), count);
    qInfo("results written %d, files saved %d, save failures reported %d", figures_.results_written,
          figures_.files_saved, figures_.save_failures_reported);
    for (const auto &[message, count] : figures_.messages)
        qInfo("  message %5d x %s", count, qPrintable(QString(message).replace("\r\n", " / ")));
    qInfo("resident memory at event %d: %.2f MiB, at event %d: %.2f MiB, growth %.3f MiB", middle,
          figures_.resident_middle / (1024.0 * 1024.0), events,
          figures_.resident_end / (1024.0 * 1024.0), growth_mib);

#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine; its figure says nothing.
    qInfo("memory growth not judged under AddressSanitizer");
#else
    if (events >= DEFAULT_EVENTS)
        QVERIFY2(growth_mib <= 2.0, qPrintable(QStringLiteral("grew %1 MiB").arg(growth_mib)));
#endif
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_application(application);
    RandomSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "random_session_test.moc"
