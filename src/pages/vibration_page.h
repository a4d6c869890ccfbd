// Frame5: the vibration graph, one period drawn with the typed amplitude and
// period on its axes, in a chosen colour and width, and saved as a picture.
#pragma once

#include "ui/topic_page.h"

#include <QColor>
#include <QImage>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class GraphSurface;
}

namespace pages {

class VibrationPage : public ui::TopicPage {
    Q_OBJECT
public:
    explicit VibrationPage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

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

    ui::GraphSurface *Pic1;
    QLineEdit *Text23, *Text24; // amplitude, period
    QRadioButton *Option7;      // thin curve; Option8, thick
    QPushButton *Command1;      // the colour swatch
    // The copy of the picture that is being written to a file.
    QImage Picsav;
    QColor graph_colour_ = Qt::black;
};

} // namespace pages
