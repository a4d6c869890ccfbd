#include "app/main_window.h"

#include "app/about_window.h"
#include "mechanics/numbers.h"
#include "pages/work_power_page.h"
#include "ui/controls.h"
#include "ui/help_window.h"
#include "ui/qt_services.h"
#include "ui/working_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <exception>

namespace app {

namespace {

// The page area that every topic page occupies.
constexpr ui::Twips PAGE_AREA{120, 1560, 5175, 2415};
constexpr int CLIENT_WIDTH = 5400;
constexpr int CLIENT_HEIGHT = 4485;

// The navigation grid: three columns 1800 twips apart, three rows 480 apart;
// a page's button bears the page's caption.
constexpr int GRID_COLUMNS = 3;
constexpr ui::Twips navigation_button_at(int element)
{
    return {1800 * (element % GRID_COLUMNS), 480 * (element / GRID_COLUMNS), 1695, 375};
}

constexpr ui::ControlRow WINDOW_CONTROLS[] = {
    {ui::Kind::ActionButton, "CurtButton1_8", navigation_button_at(int(Element::About)),
     u"关于软件"},
    {ui::Kind::ActionButton, "CurtButton1_15", {4440, 4080, 855, 375}, u"帮助"},
    {ui::Kind::Label,
     "Label48",
     {120, 4200, 4335, 255},
     u"注意:本软件中的所有物理量均采用国际单位制(SI)。"},
};

} // namespace

Frmload::Frmload(std::shared_ptr<ui::Services> services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(services ? std::move(services) : std::make_shared<ui::QtServices>())
{
    setObjectName(QStringLiteral("Frmload"));
    setWindowTitle(QStringLiteral("Vantrel-Quorbin"));
    setFixedSize(ui::to_pixels(CLIENT_WIDTH, CLIENT_HEIGHT));

    for (int n = 0; n < PAGE_COUNT; ++n) {
        auto &page = pages_[static_cast<std::size_t>(n)];
        page = element_rows()[static_cast<std::size_t>(n)].build(services_, this);
        page->setGeometry(ui::to_pixels(PAGE_AREA));
        auto *button = new QPushButton(page->title(), this);
        button->setObjectName(QStringLiteral("CurtButton1_%1").arg(n));
        button->setAccessibleName(page->title());
        button->setGeometry(ui::to_pixels(navigation_button_at(n)));
    }

    ui::build_controls(this, WINDOW_CONTROLS);

    // All eighteen buttons, wherever they sit, are one array with one handler.
    CurtButton1 = new QButtonGroup(this);
    CurtButton1->setObjectName(QStringLiteral("CurtButton1"));
    CurtButton1->setExclusive(false);
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        const QByteArray name = QStringLiteral("CurtButton1_%1").arg(i).toLatin1();
        auto *button = ui::child<QPushButton>(this, name.constData());
        button->setAutoDefault(false);
        CurtButton1->addButton(button, i);
    }
    connect(CurtButton1, &QButtonGroup::idClicked, this, &Frmload::dispatch_button);

    chain_tab_order();

    // The working of the page shown: its button, its result boxes' menu, Ctrl+J.
    for (ui::TopicPage *page : pages_) {
        connect(page, &ui::TopicPage::working_requested, this, &Frmload::show_working);
        connect(page, &ui::TopicPage::working_changed, this, [this, page] {
            if (working_panel_ && !page->isHidden())
                follow_working();
        });
    }
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this);
    connect(shortcut, &QShortcut::activated, this, &Frmload::show_working);

    load();
}

void Frmload::chain_tab_order()
{
    // Tab runs through the navigation buttons in their order, then the page
    // shown, in the order its own table gives, then Help, and round again: the
    // hidden pages are passed over.
    QList<QWidget *> order;
    for (int i = 0; i <= static_cast<int>(Element::About); ++i)
        order << CurtButton1->button(i);
    for (ui::TopicPage *page : pages_) {
        // The page's own order is one run of the chain, after the page itself or
        // a widget outside it; find where it starts.
        const QList<QWidget *> inside = page->findChildren<QWidget *>();
        const auto first = std::find_if(inside.begin(), inside.end(), [page](QWidget *w) {
            QWidget *before = w->previousInFocusChain();
            return before == page || !page->isAncestorOf(before);
        });
        for (QWidget *w = first == inside.end() ? nullptr : *first; w && page->isAncestorOf(w);
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w;
        }
    }
    order << CurtButton1->button(static_cast<int>(Element::Help));
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

Frmload::~Frmload()
{
    // The help window belongs to this window; the About window has no owner.
    delete help_;
}

void Frmload::load()
{
    // The angle flag starts true with its page; the first page is the one shown.
    show_topic_page(pages_[0]);
}

void Frmload::dispatch_button(int index)
{
    if (index < 0 || index >= ELEMENT_COUNT)
        return;
    const ElementRow &row = element_rows()[static_cast<std::size_t>(index)];
    const auto n = static_cast<std::size_t>(row.page);
    ui::TopicPage *page = n < pages_.size() ? pages_[n] : nullptr;
    // The error trap: any failure ends the click; what was written stays.
    try {
        row.press(*this, page);
    } catch (const mechanics::CalculationFailure &failure) {
        // The page's working tells what failed; the page itself says nothing.
        if (page)
            page->click_failed(failure);
    } catch (...) {
        // Anything else is the program's own fault, never the student's: it is
        // reported, and stops a debug build (and so every test) where it
        // happened; a student's release build ends the click, boxes as they are.
        QString what = QStringLiteral("an exception of unknown type");
        try {
            throw;
        } catch (const std::exception &error) {
            what = QString::fromUtf8(error.what());
        } catch (...) {
        }
        qCritical("Vantrel: element %d failed: %s", index, qPrintable(what));
#ifndef QT_NO_DEBUG
        throw;
#endif
    }
}

void Frmload::show_topic_page(ui::TopicPage *shown)
{
    shown->move(ui::to_pixels(PAGE_AREA).topLeft());
    for (ui::TopicPage *page : pages_)
        page->setVisible(page == shown);
    follow_working();
}

void Frmload::show_working()
{
    // Built on first use: a program whose panel is never opened pays nothing.
    if (!working_panel_) {
        working_panel_ = new ui::WorkingPanel(this);
        follow_working();
    }
    working_panel_->open();
}

void Frmload::follow_working()
{
    if (!working_panel_)
        return;
    for (ui::TopicPage *page : pages_) {
        if (!page->isHidden())
            working_panel_->show_working(page->offers_working() ? &page->working() : nullptr,
                                         page->title());
    }
}

QGroupBox *Frmload::page(int n) const
{
    return pages_.at(static_cast<std::size_t>(n));
}

bool Frmload::angle_in_radians() const
{
    const auto work_power = static_cast<std::size_t>(Element::ShowWorkPower);
    return static_cast<const pages::WorkPowerPage *>(pages_[work_power])->angle_in_radians();
}

void Frmload::show_about()
{
    if (!about_) {
        about_ = new Frmabout(services_);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

Frmabout *Frmload::about_window() const
{
    return about_;
}

QString Frmload::find_help_document(const QString &program_folder)
{
    const QDir folder(program_folder);
    const QString candidates[] = {
        folder.filePath(QStringLiteral("vantrel.html")),
        folder.filePath(QStringLiteral("../share/vantrel/vantrel.html")),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

void Frmload::open_help()
{
    // Help never fails loudly: with no document there is nothing to open.
    const QString document = find_help_document(QCoreApplication::applicationDirPath());
    if (document.isEmpty())
        return;
    if (services_->open_url(QUrl::fromLocalFile(document)))
        return;
    // The desktop cannot open documents at all: show the page ourselves.
    if (!help_)
        help_ = new ui::HelpWindow(this);
    help_->show_document(document);
}

void Frmload::showEvent(QShowEvent *event)
{
    ui::centre_on_first_show(this, centred_);
    QWidget::showEvent(event);
}

} // namespace app
