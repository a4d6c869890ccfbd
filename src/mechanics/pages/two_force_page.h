// Page 0: the resultant of two forces at an angle.
#pragma once

#include "ui/topic_page.h"

namespace pages {

class TwoForcePage : public ui::TopicPage {
    Q_OBJECT
public:
    TwoForcePage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "计算合力": reads F1, F2 and α, writes F合 into Text4.
    void compute_resultant();
};

} // namespace pages
