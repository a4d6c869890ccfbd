#include "ui/topic_page.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Room beside the caption of the "解题过程" button, in pixels.
constexpr int SHOW_WORKING_PADDING = 6;

} // namespace

namespace ui {

TopicPage::TopicPage(const char *name, std::u16string_view caption,
                     std::span<const ControlRow> controls, std::shared_ptr<Services> services,
                     QWidget *parent)
    : QGroupBox(qstr(caption), parent), services_(std::move(services))
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(title());
    build_controls(this, controls);
}

void TopicPage::offer_working()
{
    offers_working_ = true;
    // In the title band, where the caption leaves the row empty: as high as
    // the caption's line, ending where the frame does.
    auto *button = new QPushButton(QStringLiteral("解题过程"), this);
    button->setObjectName(QStringLiteral("ShowWorking"));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    const QSize text = button->fontMetrics().size(Qt::TextSingleLine, button->text());
    const QSize size(text.width() + 2 * SHOW_WORKING_PADDING, fontMetrics().height());
    button->setGeometry(QRect(QPoint(width() - size.width(), 0), size));
    connect(button, &QPushButton::clicked, this, &TopicPage::working_requested);
    auto *action = new QAction(QStringLiteral("显示解题过程"), this);
    connect(action, &QAction::triggered, this, &TopicPage::working_requested);
    for (QLineEdit *box : findChildren<QLineEdit *>()) {
        if (box->isReadOnly())
            box->addAction(action);
    }
}

void TopicPage::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    if (auto *button = findChild<QPushButton *>(QStringLiteral("ShowWorking")))
        button->move(width() - button->width(), 0);
}

mechanics::Working &TopicPage::new_working()
{
    working_ = {};
    return working_;
}

void TopicPage::click_failed(const mechanics::CalculationFailure &failure)
{
    working_.failed(failure);
    publish_working();
}

void TopicPage::show_message(std::string_view text)
{
    // The working's reason is there before the message box waits for OK.
    publish_working();
    services_->show_message(window(), QString::fromUtf8(text.data(), qsizetype(text.size())));
}

} // namespace ui
