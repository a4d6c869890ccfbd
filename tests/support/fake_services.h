// A recording stand-in for the desktop: it remembers every message, dialog and
// link, and answers the dialogs with what the test put in its queues.
#pragma once

#include "ui/services.h"

#include <QList>

#include <deque>

namespace test {

class FakeServices final : public ui::Services {
public:
    void show_message(QWidget *owner, const QString &text) override;
    std::optional<QColor> choose_colour(QWidget *owner, const QColor &initial) override;
    std::optional<QString> choose_save_name(QWidget *owner,
                                            const ui::SaveRequest &request) override;
    bool open_url(const QUrl &url) override;

    QStringList messages;
    QList<QColor> colour_requests;
    QList<ui::SaveRequest> save_requests;
    QList<QUrl> opened;

    // Answers for the next dialogs; an empty queue means the user cancels.
    std::deque<std::optional<QColor>> colour_answers;
    std::deque<std::optional<QString>> save_answers;
    bool desktop_can_open = true;
};

} // namespace test
