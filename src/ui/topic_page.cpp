#include "ui/topic_page.h"

namespace ui {

TopicPage::TopicPage(const char *name, const QString &caption, std::shared_ptr<Services> services,
                     QWidget *parent)
    : QGroupBox(caption, parent), services_(std::move(services))
{
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(caption);
}

void TopicPage::show_message(const std::string &text) const
{
    services_->show_message(window(), QString::fromStdString(text));
}

} // namespace ui
