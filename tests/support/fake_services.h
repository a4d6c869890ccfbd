// A recording stand-in for the desktop: it remembers every message, dialog and
// link, and answers the dialogs with what the test put in its queues.
#pragma once

#include "ui/services.h"

#include <QList>

#include <exception>
#include <utility>

namespace test {

class FakeServices final : public ui::Services {
public:
    void show_message(QWidget *, const QString &text) override { messages.append(text); }
    std::optional<QColor> choose_colour(QWidget *, const QColor &initial) override
    {
        colour_requests.append(initial);
        return colour_answers.isEmpty() ? std::nullopt : colour_answers.takeFirst();
    }
    std::optional<QString> choose_save_name(QWidget *, const ui::SaveRequest &request) override
    {
        if (failure) // a fault of the program's own, not of the student's input
            std::rethrow_exception(std::exchange(failure, nullptr));
        save_requests.append(request);
        return save_answers.isEmpty() ? std::nullopt : save_answers.takeFirst();
    }
    bool open_url(const QUrl &url) override
    {
        opened.append(url);
        return desktop_can_open;
    }

    QStringList messages;
    QList<QColor> colour_requests;
    QList<ui::SaveRequest> save_requests;
    QList<QUrl> opened;

    // Answers for the next dialogs; an empty queue means the user cancels.
    QList<std::optional<QColor>> colour_answers;
    QList<std::optional<QString>> save_answers;
    bool desktop_can_open = true;
    std::exception_ptr failure; // thrown by the next save dialog
};

} // namespace test
