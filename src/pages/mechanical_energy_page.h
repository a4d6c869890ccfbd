// Frame3: 机械能, the formulas and laws of mechanical energy, with a note on
// the symbols that can be shown and hidden.
#pragma once

#include "ui/topic_page.h"

class QLabel;
class QPushButton;

namespace pages {

class MechanicalEnergyPage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit MechanicalEnergyPage(std::shared_ptr<ui::Services> services,
                                  QWidget *parent = nullptr);

    // "查看说明" / "关闭说明": shows or hides the note on the symbols.
    void toggle_explanation();

private:
    // Shows or hides Label20 and names the button for what it does next; a
    // click on the note hides it too.
    void show_note(bool shown);

    QLabel *Label20;
    QPushButton *CurtButton1_12;
};

} // namespace pages
