#include "ui/topic_page.h"

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

void TopicPage::show_message(std::string_view text) const
{
    services_->show_message(window(), QString::fromUtf8(text.data(), qsizetype(text.size())));
}

} // namespace ui
