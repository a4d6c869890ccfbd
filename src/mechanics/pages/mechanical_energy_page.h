// Frame3: 机械能.
#pragma once

#include "ui/topic_page.h"

class QLabel;
class QPushButton;

namespace pages {

class MechanicalEnergyPage : public ui::TopicPage {
    Q_OBJECT
public:
    MechanicalEnergyPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "查看说明" / "关闭说明": shows or hides the note on the symbols.
    void toggle_explanation();

private:
    void show_note();
    // Also what a click on the note does.
    void hide_note();

    QLabel *note_ = nullptr;
    QPushButton *note_button_ = nullptr;
};

} // namespace pages
