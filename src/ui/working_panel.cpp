#include "ui/working_panel.h"

#include "mechanics/working.h"
#include "ui/formula_label.h"
#include "ui/number_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

// The figures offered, in the order of the list; three by default, as marking
// schemes ask for two or three.
constexpr int FIGURES[] = {2, 3, 4, mechanics::ALL_FIGURES};
constexpr int DEFAULT_FIGURES_INDEX = 1;

// Lines typeset a little larger than the pages' text, like their formulas.
constexpr double LINE_POINT_SIZE = 10.5;
// The panel's first size, in pixels: the longest substitution fits its width.
constexpr QSize FIRST_SIZE{540, 330};
// Between the panel and the main window's frame.
constexpr int GAP = 4;

// "由 … 得 x = …" reads better as the law on one line and the computation on
// the next, as in a student's exercise book.
QStringList display_lines(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        const qsizetype split = line.startsWith(u"由") ? line.indexOf(u" 得 ") : -1;
        if (split < 0) {
            out << line;
            continue;
        }
        out << line.left(split + 2) << QStringLiteral("　　") + line.mid(split + 3);
    }
    return out;
}

} // namespace

WorkingPanel::WorkingPanel(QWidget *main_window) : QWidget(main_window, Qt::Tool)
{
    setObjectName(QStringLiteral("WorkingPanel"));
    setWindowTitle(QStringLiteral("解题过程"));
    resize(FIRST_SIZE);

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    layout->addLayout(bar);
    auto *figures_label = new QLabel(QStringLiteral("有效数字:"), this);
    bar->addWidget(figures_label);
    figures_ = new QComboBox(this);
    figures_->setObjectName(QStringLiteral("WorkingFigures"));
    figures_->setAccessibleName(QStringLiteral("有效数字"));
    figures_->addItems({QStringLiteral("2 位"), QStringLiteral("3 位"), QStringLiteral("4 位"),
                        QStringLiteral("全部")});
    figures_->setCurrentIndex(DEFAULT_FIGURES_INDEX);
    figures_label->setBuddy(figures_);
    connect(figures_, &QComboBox::currentIndexChanged, this, &WorkingPanel::refresh);
    bar->addWidget(figures_);
    bar->addStretch();
    auto *copy_button = new QPushButton(QStringLiteral("复制"), this);
    copy_button->setObjectName(QStringLiteral("WorkingCopy"));
    copy_button->setAutoDefault(false);
    connect(copy_button, &QPushButton::clicked, this, &WorkingPanel::copy);
    bar->addWidget(copy_button);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);
    text_ = new QWidget;
    text_->setObjectName(QStringLiteral("WorkingText"));
    text_->setFocusPolicy(Qt::StrongFocus);
    rows_ = new QVBoxLayout(text_);
    rows_->setAlignment(Qt::AlignTop);
    scroll->setWidget(text_);
    layout->addWidget(scroll);
    refresh();
}

void WorkingPanel::show_working(const mechanics::Working *working, const QString &page)
{
    working_ = working;
    page_ = page;
    refresh();
}

QStringList WorkingPanel::lines() const
{
    QStringList out;
    if (!working_ || working_->empty())
        return out;
    for (const std::string &line :
         working_->lines(FIGURES[figures_->currentIndex()], decimal_separator()))
        out << QString::fromStdString(line);
    return out;
}

void WorkingPanel::refresh()
{
    while (QLayoutItem *item = rows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QStringList shown = display_lines(lines());
    if (!working_)
        shown = {QStringLiteral("本页没有计算，因此没有解题过程。")};
    else if (shown.isEmpty())
        shown = {QStringLiteral("按“计算”后，这里写出解题过程。")};
    QStringList spoken;
    for (const QString &line : std::as_const(shown)) {
        auto *row = new FormulaLabel(line, LINE_POINT_SIZE, text_);
        row->setMinimumSize(row->sizeHint());
        rows_->addWidget(row);
        spoken << formula_plain_text(line);
    }
    setWindowTitle(page_.isEmpty() ? QStringLiteral("解题过程")
                                   : QStringLiteral("解题过程 - ") + page_);
    // A screen reader reads the whole working as the text's name.
    text_->setAccessibleName(spoken.join(u'\n'));
}

void WorkingPanel::copy() const
{
    QStringList plain, html;
    for (const QString &line : lines()) {
        plain << formula_plain_text(line);
        html << formula_html(line);
    }
    auto *data = new QMimeData;
    data->setText(plain.join(u'\n'));
    data->setHtml(QStringLiteral("<p>") + html.join(QStringLiteral("<br>")) +
                  QStringLiteral("</p>"));
    QApplication::clipboard()->setMimeData(data);
}

void WorkingPanel::open()
{
    const QWidget *main = parentWidget();
    if (!isVisible() && main) {
        // QRect's right() and bottom() are the last pixel inside, one short of
        // where the next thing may start: sides are left + width here.
        // The panel's frame is not known before it is first shown: as thick as
        // the main window's.
        const QRect window = main->frameGeometry();
        const QSize outer = size() + window.size() - main->size();
        const QRect screen = main->screen() ? main->screen()->availableGeometry() : QRect();
        const QPoint places[] = {
            {window.x() + window.width() + GAP, window.y()},
            {window.x() - GAP - outer.width(), window.y()},
            {window.x(), window.y() + window.height() + GAP},
        };
        const auto fits = [&](QPoint at) { return screen.contains(QRect(at, outer)); };
        const QPoint *place = std::find_if(std::begin(places), std::end(places), fits);
        QPoint at = place != std::end(places) ? *place : places[0];
        // A screen too small for any of them: as far as it goes, on the screen,
        // its top-left corner first when the panel is larger than the screen.
        if (place == std::end(places) && !screen.isEmpty()) {
            const auto keep = [](int v, int low, int room) {
                return std::clamp(v, low, low + std::max(0, room));
            };
            at = {keep(at.x(), screen.x(), screen.width() - outer.width()),
                  keep(at.y(), screen.y(), screen.height() - outer.height())};
        }
        move(at);
    }
    show();
    raise();
}

} // namespace ui
