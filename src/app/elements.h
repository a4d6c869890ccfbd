// The eighteen elements of the main window's button array CurtButton1: what
// each one shows or runs. Pages name their action buttons "CurtButton1_<n>"
// with the numbers below.
#pragma once

#include "ui/services.h"

#include <memory>
#include <span>

class QWidget;

namespace ui {
class TopicPage;
}

namespace app {

class Frmload;

enum class Element {
    // Navigation: each shows the page it names; a page is known by this number.
    ShowTwoForces = 0,
    ShowLinearMotion = 1,
    ShowCircularMotion = 2,
    ShowMechanicalEnergy = 3,
    ShowWorkPower = 4,
    ShowVibration = 5,
    ShowSatellite = 6,
    ShowSiUnits = 7,
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
inline constexpr int PAGE_COUNT = 8;

struct ElementRow {
    Element element;
    // The navigation element of the page it shows or acts on; the element
    // itself for the window's own buttons.
    Element page;
    void (*press)(Frmload &window, ui::TopicPage *page);
    // Navigation rows: builds the page as a child of `parent`.
    ui::TopicPage *(*build)(std::shared_ptr<ui::Services> services, QWidget *parent) = nullptr;
};

// All elements, in the order of their numbers.
std::span<const ElementRow> element_rows();

} // namespace app
