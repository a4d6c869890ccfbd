#include "pages/satellite_page.h"

#include "mechanics/messages.h"
#include "mechanics/satellite.h"
#include "ui/number_box.h"

#include <QLineEdit>
#include <QPushButton>

namespace pages {

namespace {

using ui::Kind;

// Twips inside the page.
constexpr ui::ControlRow CONTROLS[] = {
    {Kind::Formula,
     "Label49",
     {240, 330, 2300, 480},
     u"F = G\\frac{mM}{R^2} = mg = F_向",
     u"F = G·mM/R² = mg = F向",
     10.5},
    // The note keeps the face's own line pitch: the subscript of F向 reaches
    // below its line, and the place has room for all five lines.
    {.kind = Kind::WrapLabel,
     .name = "Label50",
     .at = {120, 840, 2460, 1500},
     .text = u"说明:<br>F为卫星所受引力，G引力常量，m为卫星质量，M为地球质量，"
             u"R为卫星距地心距离，mg为卫星所受重力，F<sub>向</sub>为卫星所受向心力。",
     .accessible = u"说明:F为卫星所受引力，G引力常量，m为卫星质量，M为地球质量，"
                   u"R为卫星距地心距离，mg为卫星所受重力，F向为卫星所受向心力。"},
    {Kind::Label, "Label51", {2640, 405, 1575, 255}, u"卫星距地面距离h="},
    {Kind::InputBox, "Text25", {4200, 360, 855, 270}, {}, u"h"},
    {Kind::Label, "Label52", {2640, 840, 1575, 255}, u"卫星线速度    v="},
    {Kind::LockedBox, "Text26", {4200, 800, 855, 270}, {}, u"v"},
    {Kind::Label, "Label53", {2640, 1200, 1455, 255}, u"卫星周期      T="},
    {Kind::LockedBox, "Text27", {4200, 1200, 855, 270}, {}, u"T"},
    {Kind::Label, "Label54", {2640, 1560, 1575, 255}, u"卫星角速度   ω="},
    {Kind::LockedBox, "Text28", {4200, 1560, 855, 270}, {}, u"ω"},
    {Kind::ActionButton, "CurtButton1_16", {3480, 1920, 1575, 375}, u"计算"},
};

} // namespace

SatellitePage::SatellitePage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame6", u"人造地球卫星", CONTROLS, std::move(services), parent),
      Text25(control<QLineEdit>("Text25")), Text26(control<QLineEdit>("Text26")),
      Text27(control<QLineEdit>("Text27")), Text28(control<QLineEdit>("Text28"))
{
    ui::set_focus_order(this, {"Text25", "Text26", "Text27", "Text28", "CurtButton1_16"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_16"));
    offer_working();
}

void SatellitePage::compute_satellite()
{
    const std::string height = Text25->text().toStdString();
    const std::optional<mechanics::Orbit> orbit =
        mechanics::solve_satellite({height, ui::decimal_separator()}, new_working());
    if (!orbit) {
        show_message(mechanics::INPUT_ERROR_MESSAGE);
        return;
    }
    ui::write_box(Text26, orbit->speed);
    ui::write_box(Text27, orbit->period);
    ui::write_box(Text28, orbit->angular_speed);
    publish_working();
}

} // namespace pages
