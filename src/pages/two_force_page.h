// Frame0: the resultant of two forces at an angle.
#pragma once

#include "ui/topic_page.h"

class QLineEdit;
class QRadioButton;

namespace pages {

class TwoForcePage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit TwoForcePage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // "计算合力": reads F1, F2 and α, writes F合 into Text4.
    void compute_resultant();

private:
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    QRadioButton *Option1; // α in radians; Option2, degrees
};

} // namespace pages
