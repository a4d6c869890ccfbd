// A recording stand-in for the desktop: it remembers every message, dialog and
// link, and answers the dialogs with what the test put in its queues.
#pragma once

#include "ui/services.h"

#include <QList>

#include <deque>

namespace test {

class FakeServices final : public ui::Services {
public:
    void show_message(QWidget *, const QString &text) override { messages.append(text); }
    std::optional<QColor> choose_colour(QWidget *, const QColor &initial) override
    {
        colour_requests.append(initial);
        return next(colour_answers);
    }
    std::optional<QString> choose_save_name(QWidget *, const ui::SaveRequest &request) override
    {
        save_requests.append(request);
        return next(save_answers);
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
    std::deque<std::optional<QColor>> colour_answers;
    std::deque<std::optional<QString>> save_answers;
    bool desktop_can_open = true;

private:
    template <class T> static std::optional<T> next(std::deque<std::optional<T>> &answers)
    {
        if (answers.empty())
            return std::nullopt;
        const std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace test
