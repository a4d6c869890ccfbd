// Frame7: 常用力学的SI单位, a ruled reference table of twelve quantities of
// mechanics in two groups of name, symbol and unit.
#pragma once

#include "ui/topic_page.h"

#include <QRect>

#include <array>

namespace pages {

class SiUnitsPage : public ui::TopicPage {
    Q_OBJECT
public:
    static constexpr int ROWS = 7;
    static constexpr int COLUMNS = 6;

    explicit SiUnitsPage(std::shared_ptr<ui::Services> services, QWidget *parent = nullptr);

    // The text of a cell; row 0 holds the headings.
    static QString cell_text(int row, int column);
    // The label that shows the cell: "Label41_0" to "Label47_5".
    static QString cell_name(int row, int column);
    // The space between the rules around a cell, in pixels of the page.
    static QRect cell_rect(int row, int column);
};

} // namespace pages
