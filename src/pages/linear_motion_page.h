// Frame1: uniformly accelerated linear motion. Any three of v0, vt, a, S and t
// give the other two.
#pragma once

#include "mechanics/linear_motion.h"
#include "ui/topic_page.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace pages {

class LinearMotionPage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit LinearMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // "计算": the two quantities not ticked, or a message.
    void compute_linear_motion();

private:
    // Check1 to Check5 with Text5 to Text9, in the order of MotionQuantity.
    struct Quantity {
        QCheckBox *known;
        QLineEdit *box;
    };

    // A tick unlocks the quantity's box and keeps its text, so an earlier
    // result can serve as a known value; untick locks the box and empties it.
    void set_known(const Quantity &q);

    std::array<Quantity, 5> quantities_;
};

} // namespace pages
