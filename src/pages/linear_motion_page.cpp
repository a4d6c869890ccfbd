#include "pages/linear_motion_page.h"

#include "mechanics/numbers.h"
#include "ui/number_box.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace pages {

namespace {

using mechanics::MotionQuantity;
using ui::Kind;

// Each quantity's check box (ticked: known) and its box, in visiting order.
constexpr std::array<std::pair<const char *, const char *>, 5> QUANTITY_NAMES = {{
    {"Check1", "Text5"},
    {"Check2", "Text6"},
    {"Check3", "Text7"},
    {"Check4", "Text8"},
    {"Check5", "Text9"},
}};

// Twips inside the page. Every box starts locked and empty; a tick unlocks it.
// The check boxes are only as wide as their mark, so the captions of Check4 and
// Check5 stay hidden; the row captions show every symbol before its box.
constexpr ui::ControlRow CONTROLS[] = {
    {Kind::Label, "Label3", {120, 360, 360, 255}, u"公式"},
    {Kind::Formula, "Image1", {540, 315, 1260, 270}, u"v_t = v_0 + at"},
    {Kind::Formula,
     "Image1_S",
     {540, 555, 1260, 405},
     u"S = v_0t + \\frac{1}{2}at^2",
     u"S = v₀t + ½at²"},
    // Lines as close as the page's 宋体 sets them, so three fit above the boxes.
    {.kind = Kind::WrapLabel,
     .name = "Label6",
     .at = {1800, 300, 3345, 660},
     .text = u"已知任意三个量，可计算其他两个量。"
             u"注意:正负号表示加速度a的方向。当匀加速运动时,a为正；当匀减速运动时,a为负。",
     .close_lines = true},
    {Kind::CheckBox, "Check1", {120, 960, 255, 255}, {}, u"已知v₀"},
    {Kind::RowCaption, "LabF_2", {330, 945, 390, 300}, u"v_0 =", {}, 10.5},
    {Kind::LockedBox, "Text5", {720, 960, 975, 270}, {}, u"v₀"},
    {Kind::CheckBox, "Check2", {1800, 960, 255, 255}, {}, u"已知vt"},
    {Kind::RowCaption, "LabF_2_vt", {2010, 945, 390, 300}, u"v_t =", u"vt =", 10.5},
    {Kind::LockedBox, "Text6", {2400, 960, 975, 270}, {}, u"vt"},
    {Kind::CheckBox, "Check3", {3480, 960, 255, 255}, {}, u"已知a"},
    {Kind::RowCaption, "LabF_2_a", {3735, 960, 345, 270}, u"a =", {}, 10.5},
    {Kind::LockedBox, "Text7", {4080, 960, 975, 270}, {}, u"a"},
    {Kind::CheckBox, "Check4", {120, 1320, 255, 255}, u"S =", u"已知S"},
    {Kind::RowCaption, "LabF_3", {375, 1320, 345, 270}, u"S =", {}, 10.5},
    {Kind::LockedBox, "Text8", {720, 1320, 975, 270}, {}, u"S"},
    {Kind::CheckBox, "Check5", {1800, 1320, 255, 255}, u"t =", u"已知t"},
    {Kind::RowCaption, "LabF_3_t", {2055, 1320, 345, 270}, u"t =", {}, 10.5},
    {Kind::LockedBox, "Text9", {2400, 1320, 975, 270}, {}, u"t"},
    {Kind::ActionButton, "CurtButton1_10", {3480, 1280, 1575, 375}, u"计算"},
    {Kind::WrapLabel,
     "Label5",
     {120, 1680, 4935, 600},
     u"说明<br>v<sub>0</sub>为初速度，v<sub>t</sub>为末速度，a为加速度，S为位移，t为时间。",
     u"说明：v₀为初速度，vt为末速度，a为加速度，S为位移，t为时间。"},
};

} // namespace

LinearMotionPage::LinearMotionPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame1", u"匀变速直线运动", CONTROLS, std::move(services), parent)
{
    for (std::size_t i = 0; i < quantities_.size(); ++i) {
        quantities_[i] = {control<QCheckBox>(QUANTITY_NAMES[i].first),
                          control<QLineEdit>(QUANTITY_NAMES[i].second)};
        connect(quantities_[i].known, &QCheckBox::toggled, this,
                [this, i] { set_known(quantities_[i]); });
    }
    ui::set_focus_order(this, {"Check1", "Text5", "Check2", "Text6", "Check3", "Text7", "Check4",
                               "Text8", "Check5", "Text9", "CurtButton1_10"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_10"));
    offer_working();
}

void LinearMotionPage::set_known(const Quantity &q)
{
    const bool known = q.known->checkState() == Qt::Checked;
    q.box->setReadOnly(!known);
    if (!known)
        q.box->clear();
}

void LinearMotionPage::compute_linear_motion()
{
    mechanics::MotionInput input;
    input.decimal_separator = ui::decimal_separator();
    std::string texts[5];
    std::string_view *fields[] = {&input.v0, &input.vt, &input.a, &input.s, &input.t};
    for (std::size_t i = 0; i < quantities_.size(); ++i) {
        if (quantities_[i].known->checkState() != Qt::Checked)
            continue;
        input.known.add(static_cast<MotionQuantity>(i));
        texts[i] = quantities_[i].box->text().toStdString();
        *fields[i] = texts[i];
    }
    const mechanics::MotionOutcome outcome = mechanics::solve_linear_motion(input, new_working());
    if (const auto *message = std::get_if<mechanics::MotionMessage>(&outcome)) {
        show_message(mechanics::motion_message_text(*message));
        return;
    }
    for (const mechanics::MotionResult &result : std::get<mechanics::MotionSolution>(outcome))
        ui::write_box(quantities_[static_cast<std::size_t>(result.quantity)].box, result.value);
    publish_working();
}

} // namespace pages
