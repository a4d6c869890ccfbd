#include "pages/two_force_page.h"

#include "mechanics/numbers.h"
#include "mechanics/two_forces.h"
#include "ui/number_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pages {

namespace {

using ui::Kind;

// Twips inside the page. Row captions end where their boxes begin.
constexpr ui::ControlRow CONTROLS[] = {
    {Kind::Label, "Label1", {120, 360, 480, 255}, u"公式"},
    {Kind::Formula,
     "Image0",
     {600, 270, 4400, 420},
     u"F_合 = \\sqrt{F_1^2 + F_2^2 + 2F_1F_2cos α}",
     {},
     10.5},
    {Kind::RowCaption, "LabF_0", {60, 720, 420, 270}, u"F_1 =", {}, 10.5},
    {Kind::InputBox, "Text1", {480, 720, 1215, 270}, {}, u"F₁"},
    {Kind::RowCaption, "LabF_0_F2", {1710, 720, 450, 270}, u"F_2 =", {}, 10.5},
    {Kind::InputBox, "Text2", {2160, 720, 1095, 270}, {}, u"F₂"},
    {Kind::RowCaption, "LabF_0_alpha", {3270, 720, 570, 270}, u"α =", {}, 10.5},
    {Kind::InputBox, "Text3", {3840, 720, 1095, 270}, {}, u"α"},
    {Kind::RowCaption, "LabF_1", {60, 1080, 420, 270}, u"F_合 =", {}, 10.5},
    {Kind::LockedBox, "Text4", {480, 1080, 1215, 270}, {}, u"F合"},
    {Kind::ActionButton, "CurtButton1_9", {3360, 1080, 1575, 375}, u"计算合力"},
    {Kind::WrapLabel,
     "Label4",
     {120, 1560, 1815, 780},
     u"说明<br>F<sub>1</sub>和F<sub>2</sub>为两分力的大小α为两分力之间的夹角",
     u"说明：F₁和F₂为两分力的大小，α为两分力之间的夹角"},
    {Kind::Label, "Label2", {2880, 1920, 480, 255}, u"α为:"},
    {Kind::RadioButton, "Option1", {3360, 1920, 855, 255}, u"弧度制", {}, 0, true},
    {Kind::RadioButton, "Option2", {4200, 1920, 855, 255}, u"角度制"},
};

} // namespace

TwoForcePage::TwoForcePage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame0", u"互成角度的二力合成", CONTROLS, std::move(services), parent),
      Text1(control<QLineEdit>("Text1")), Text2(control<QLineEdit>("Text2")),
      Text3(control<QLineEdit>("Text3")), Text4(control<QLineEdit>("Text4")),
      Option1(control<QRadioButton>("Option1"))
{
    ui::set_focus_order(
        this, {"Text1", "Text2", "Text3", "CurtButton1_9", "Text4", "Option1", "Option2"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_9"));
    offer_working();
}

void TwoForcePage::compute_resultant()
{
    const std::string f1 = Text1->text().toStdString(), f2 = Text2->text().toStdString();
    const std::string alpha = Text3->text().toStdString();
    const double resultant = mechanics::solve_two_forces(
        {f1, f2, alpha, !Option1->isChecked(), ui::decimal_separator()}, new_working());
    ui::write_box(Text4, resultant);
    publish_working();
}

} // namespace pages
