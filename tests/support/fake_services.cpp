#include "support/fake_services.h"

namespace test {

void FakeServices::show_message(QWidget *, const QString &text)
{
    messages.append(text);
}

std::optional<QColor> FakeServices::choose_colour(QWidget *, const QColor &initial)
{
    colour_requests.append(initial);
    if (colour_answers.empty())
        return std::nullopt;
    auto answer = colour_answers.front();
    colour_answers.pop_front();
    return answer;
}

std::optional<QString> FakeServices::choose_save_name(QWidget *, const ui::SaveRequest &request)
{
    save_requests.append(request);
    if (save_answers.empty())
        return std::nullopt;
    auto answer = save_answers.front();
    save_answers.pop_front();
    return answer;
}

bool FakeServices::open_url(const QUrl &url)
{
    opened.append(url);
    return desktop_can_open;
}

} // namespace test
