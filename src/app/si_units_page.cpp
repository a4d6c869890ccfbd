#include "app/si_units_page.h"

#include "ui/controls.h"

namespace app {

SiUnitsPage::SiUnitsPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame7", QStringLiteral("常用力学的SI单位"), std::move(services), parent)
{}

} // namespace app
