#include "pages/circular_motion_page.h"

#include "mechanics/circular_motion.h"
#include "ui/number_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pages {

namespace {

using ui::Kind;

// Twips inside the page. Option3 chooses the v row, Option4 the ω row; the
// formulas beside them say so, the buttons themselves carry no caption.
constexpr ui::ControlRow CONTROLS[] = {
    {Kind::Formula,
     "Label7",
     {360, 285, 2920, 495},
     u"v = ωR    a = ω^2R = \\frac{v^2}{R} = vω",
     {},
     9.75},
    {Kind::RadioButton, "Option3", {3280, 400, 255, 255}, {}, u"已知线速度v", 0, true},
    {Kind::RowCaption, "Label7_v", {3535, 360, 305, 270}, u"v=", {}, 9.75},
    {Kind::InputBox, "Text10", {3840, 360, 1095, 270}, {}, u"v"},
    {Kind::Formula,
     "Label8",
     {360, 675, 2920, 495},
     u"F = ma = mω^2R = m\\frac{v^2}{R} = mvω",
     {},
     10.5},
    {Kind::RadioButton, "Option4", {3280, 800, 255, 255}, {}, u"已知角速度ω"},
    {Kind::RowCaption, "Label8_omega", {3535, 800, 305, 270}, u"ω=", {}, 10.5},
    {Kind::DisabledBox, "Text11", {3840, 800, 1095, 270}, {}, u"ω"},
    {.kind = Kind::WrapLabel,
     .name = "Label10",
     .at = {240, 1200, 2895, 720},
     .text = u"说明<br>v为线速度，ω为角速度，R为半径，a为向心加速度，F为向心力。",
     .accessible = u"说明：v为线速度，ω为角速度，R为半径，a为向心加速度，F为向心力。",
     .close_lines = true}, // so that the note ends above the boxes
    {Kind::RowCaption, "Label9", {3435, 1200, 405, 270}, u"R=", {}, 10.5},
    {Kind::InputBox, "Text12", {3840, 1200, 1095, 270}, {}, u"R"},
    {Kind::RowCaption, "Label9_m", {3435, 1640, 405, 270}, u"m=", {}, 10.5},
    {Kind::InputBox, "Text13", {3840, 1640, 1095, 270}, {}, u"m"},
    {Kind::RowCaption, "Label11", {240, 1920, 240, 270}, u"a=", {}, 10.5},
    {Kind::LockedBox, "Text14", {480, 1920, 975, 270}, {}, u"a"},
    {Kind::RowCaption, "Label11_F", {1455, 1920, 465, 270}, u"F=", {}, 10.5},
    {Kind::LockedBox, "Text15", {1920, 1920, 975, 270}, {}, u"F"},
    {Kind::ActionButton, "CurtButton1_11", {3480, 1960, 1575, 375}, u"计算"},
};

} // namespace

CircularMotionPage::CircularMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame2", u"匀速圆周运动", CONTROLS, std::move(services), parent),
      Text10(control<QLineEdit>("Text10")), Text11(control<QLineEdit>("Text11")),
      Text12(control<QLineEdit>("Text12")), Text13(control<QLineEdit>("Text13")),
      Text14(control<QLineEdit>("Text14")), Text15(control<QLineEdit>("Text15")),
      Option3(control<QRadioButton>("Option3"))
{
    ui::set_focus_order(this, {"Text10", "Text11", "Text12", "Text13", "CurtButton1_11", "Text14",
                               "Text15", "Option3", "Option4"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_11"));
    offer_working();
    // Only the box of the chosen speed can be typed in; switching keeps both texts.
    ui::enable_by_choice(Option3, Text10, Text11);
}

void CircularMotionPage::compute_circular_motion()
{
    // The box of the speed not given is never read, whatever it holds.
    const bool v_given = Option3->isChecked();
    const std::string speed = (v_given ? Text10 : Text11)->text().toStdString();
    const std::string radius = Text12->text().toStdString(), mass = Text13->text().toStdString();
    const mechanics::Centripetal result = mechanics::solve_circular_motion(
        {v_given ? mechanics::GivenSpeed::Linear : mechanics::GivenSpeed::Angular, speed, radius,
         mass, ui::decimal_separator()},
        new_working());
    ui::write_box(Text14, result.acceleration);
    ui::write_box(Text15, result.force);
    publish_working();
}

} // namespace pages
