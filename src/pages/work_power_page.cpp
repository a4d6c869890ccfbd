#include "pages/work_power_page.h"

#include "mechanics/work_power.h"
#include "ui/number_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pages {

namespace {

using ui::Kind;

constexpr int RADIANS = 0;
constexpr int DEGREES = 1;

// Twips inside the page. Row captions end where their boxes begin; the option
// buttons have no caption of their own and stand just before "s=" and "v=".
constexpr ui::ControlRow CONTROLS[] = {
    {Kind::Label, "Label21", {360, 360, 255, 255}, u"功"},
    {Kind::Formula, "Label18", {840, 345, 1455, 285}, u"W=F·s·cosα", {}, 10.5},
    {Kind::Label, "Label22", {360, 630, 495, 255}, u"功率:"},
    {Kind::Label, "Label24", {360, 870, 735, 255}, u"瞬时功率"},
    {Kind::Formula, "Label19", {1200, 855, 1455, 285}, u"P=F·v·cosα", {}, 10.5},
    {Kind::Label, "Label23", {360, 1200, 735, 255}, u"平均功率"},
    {Kind::Formula, "Label25", {1140, 1080, 540, 480}, u"P=\\frac{W}{t}", u"P = W/t", 10.5},
    {Kind::RowCaption, "Label27", {1650, 1200, 270, 270}, u"F=", {}, 10.5},
    {Kind::InputBox, "Text16", {1920, 1200, 735, 270}, {}, u"力 F"},
    {Kind::RowCaption, "Label27_alpha", {2670, 1200, 450, 270}, u"α=", {}, 10.5},
    {Kind::InputBox, "Text17", {3120, 1200, 735, 270}, {}, u"夹角 α"},
    {Kind::RadioButton, "Option5", {435, 1560, 225, 270}, {}, u"平均功率：已知位移 s", 0, true},
    {Kind::RowCaption, "Label28", {675, 1560, 285, 270}, u"s=", {}, 10.5},
    {Kind::InputBox, "Text18", {960, 1560, 735, 270}, {}, u"位移 s"},
    {Kind::RadioButton, "Option6", {2000, 1560, 225, 270}, {}, u"瞬时功率：已知速度 v"},
    {Kind::RowCaption, "Label28_v", {2235, 1560, 285, 270}, u"v=", {}, 10.5},
    {Kind::DisabledBox, "Text19", {2520, 1560, 735, 270}, {}, u"瞬时速度 v"},
    {Kind::RowCaption, "Label28_t", {3720, 1560, 480, 270}, u"t =", {}, 10.5},
    {Kind::InputBox, "Text20", {4200, 1560, 735, 270}, {}, u"时间 t"},
    {Kind::RowCaption, "Label29", {360, 1920, 360, 270}, u"W=", {}, 10.5},
    {Kind::LockedBox, "Text21", {720, 1920, 855, 270}, {}, u"功 W"},
    {Kind::RowCaption, "Label29_P", {1680, 1920, 360, 270}, u"P=", {}, 10.5},
    {Kind::LockedBox, "Text22", {2040, 1920, 975, 270}, {}, u"功率 P"},
    {Kind::ActionButton, "CurtButton1_13", {3360, 1860, 1695, 375}, u"计算", u"计算功和功率"},
    {.kind = Kind::WrapLabel,
     .name = "Label26",
     .at = {2640, 300, 2295, 900},
     .text = u"说明：W为功，P为功率，F为力，s为力方向上的位移，t为时间，v为瞬时速度，"
             u"α为力和位移的夹角。",
     // Lines a little closer than the CJK face's own, so that the four end
     // above the boxes.
     .close_lines = true},
    // Until the user picks, the angle is read in the unit the window holds.
    {Kind::ComboBox, "Combo1", {3960, 1200, 975, 300}, u"弧度制\n角度制", u"角的单位"},
};

} // namespace

WorkPowerPage::WorkPowerPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame4", u"功 功率", CONTROLS, std::move(services), parent),
      Text16(control<QLineEdit>("Text16")), Text17(control<QLineEdit>("Text17")),
      Text18(control<QLineEdit>("Text18")), Text19(control<QLineEdit>("Text19")),
      Text20(control<QLineEdit>("Text20")), Text21(control<QLineEdit>("Text21")),
      Text22(control<QLineEdit>("Text22")), Option5(control<QRadioButton>("Option5")),
      Combo1(control<QComboBox>("Combo1"))
{
    connect(Combo1, &QComboBox::currentIndexChanged, this, &WorkPowerPage::angle_unit_chosen);
    // Average power needs s, instantaneous power v: only that box can be typed in.
    ui::enable_by_choice(Option5, Text18, Text19);

    ui::set_focus_order(this, {"Text16", "Text17", "Option5", "Text18", "Option6", "Text19",
                               "Text20", "CurtButton1_13", "Text21", "Text22", "Combo1"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_13"));
    offer_working();
}

void WorkPowerPage::angle_unit_chosen(int index)
{
    if (index == RADIANS)
        AngleInRadians = true;
    else if (index == DEGREES)
        AngleInRadians = false;
}

void WorkPowerPage::compute_work_power()
{
    const std::string force = Text16->text().toStdString(), angle = Text17->text().toStdString();
    const std::string displacement = Text18->text().toStdString();
    const std::string speed = Text19->text().toStdString(), time = Text20->text().toStdString();
    const mechanics::WorkPowerInput input{
        .mode = Option5->isChecked() ? mechanics::PowerMode::Average
                                     : mechanics::PowerMode::Instantaneous,
        .force = force,
        .angle = angle,
        .angle_in_radians = AngleInRadians,
        .displacement = displacement,
        .speed = speed,
        .time = time,
        .decimal_separator = ui::decimal_separator(),
    };
    // Both results exist before either box is written.
    const mechanics::WorkPower result = mechanics::solve_work_power(input, new_working());
    ui::write_box(Text21, result.work);
    ui::write_box(Text22, result.power);
    publish_working();
}

} // namespace pages
