// The eighteen elements of the main window's button array CurtButton1: what
// each one shows or runs. Pages name their action buttons "CurtButton1_<n>"
// with the numbers below.
#pragma once

#include "ui/services.h"

#include <memory>

class QWidget;

namespace ui {
class TopicPage;
}

namespace app {

class Frmload;

// The topic pages, in the order of their navigation buttons.
enum class Page {
    TwoForces,
    LinearMotion,
    CircularMotion,
    MechanicalEnergy,
    WorkPower,
    Vibration,
    Satellite,
    SiUnits,
    None
};
inline constexpr int PAGE_COUNT = static_cast<int>(Page::None);

enum class Element {
    // 0 to 7 show the page of the same number.
    ShowFirstPage = 0,
    About = 8,
    ComputeResultant = 9,
    ComputeLinearMotion = 10,
    ComputeCircularMotion = 11,
    ToggleEnergyNote = 12,
    ComputeWorkPower = 13,
    PlotGraph = 14,
    Help = 15,
    ComputeSatellite = 16,
    SaveGraph = 17,
};
inline constexpr int ELEMENT_COUNT = 18;

struct ElementRow {
    Element element;
    Page page; // the page shown or acted on; None for the window's own buttons
    void (*press)(Frmload &window, ui::TopicPage *page);
};

// The row of element `index`, or nothing for an index outside the array.
const ElementRow *element_row(int index);

// Builds the page as a child of `parent`.
ui::TopicPage *build_page(Page page, std::shared_ptr<ui::Services> services, QWidget *parent);

} // namespace app
