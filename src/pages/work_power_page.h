// Frame4: work, and average or instantaneous power.
#pragma once

#include "ui/topic_page.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace pages {

class WorkPowerPage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit WorkPowerPage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // "计算": work and power, average or instantaneous.
    void compute_work_power();

    // True: the angle is read in radians. The main window's flag: true when
    // the window loads, changed only by picking a unit in Combo1.
    bool angle_in_radians() const { return AngleInRadians; }

private:
    // Picking "弧度制" or "角度制" sets the angle unit; no pick keeps it.
    void angle_unit_chosen(int index);

    bool AngleInRadians = true;
    QLineEdit *Text16, *Text17, *Text18, *Text19, *Text20, *Text21, *Text22;
    QRadioButton *Option5; // average power from s; Option6, instantaneous from v
    QComboBox *Combo1;
};

} // namespace pages
