// Frame5: 振动.
#pragma once

#include "ui/topic_page.h"

#include <QColor>
#include <QImage>

class QPushButton;

namespace graph {

class GraphSurface;

class VibrationPage : public ui::TopicPage {
    Q_OBJECT
public:
    VibrationPage(std::shared_ptr<ui::Services> services, QWidget *parent);

    // "绘图": draws one period of the vibration with the typed amplitude and
    // period on the axes, or says why it cannot.
    void plot_vibration_graph();

    // "保存": saves the picture as it stands through the save dialog.
    void save_vibration_graph();

    // The colour swatch: the colour dialog sets the colour of the next curve.
    void pick_graph_colour();

    QColor graph_colour() const { return graph_colour_; }

private:
    void show_graph_colour();

    GraphSurface *Pic1 = nullptr;
    QPushButton *Command1 = nullptr;
    // The copy of the picture that is being written to a file.
    QImage Picsav;
    QColor graph_colour_ = Qt::black;
};

} // namespace graph
