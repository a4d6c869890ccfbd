// One topic page of the main window: a captioned group built from its control
// table, which talks to the desktop only through the services it was given.
// A page can be built alone, without the main window.
#pragma once

#include "mechanics/working.h"
#include "ui/controls.h"
#include "ui/services.h"

#include <QGroupBox>

#include <memory>
#include <span>
#include <string_view>

namespace ui {

class TopicPage : public QGroupBox {
    Q_OBJECT
public:
    TopicPage(const char *name, std::u16string_view caption, std::span<const ControlRow> controls,
              std::shared_ptr<Services> services, QWidget *parent);

    // The working of the page's last click; empty before the first.
    const mechanics::Working &working() const { return working_; }
    // The click ended on a calculation failure: the working says why.
    void click_failed(const mechanics::CalculationFailure &failure);

    // Whether the page computes, and so has a working to show.
    bool offers_working() const { return offers_working_; }

signals:
    // A click wrote a new working, or added to it.
    void working_changed();
    // The student asked to see the working.
    void working_requested();

protected:
    // For the calculators: a "解题过程" button in the title band, to the right
    // of the caption, and "显示解题过程" in the result boxes' context menu.
    void offer_working();
    // A fresh working for a click of the page's button.
    mechanics::Working &new_working();
    // The click's working is complete.
    void publish_working() { emit working_changed(); }
    void resizeEvent(QResizeEvent *event) override;
    // A control of the page's table, looked up once by the page's constructor.
    template <class T> T *control(const char *name) const { return child<T>(this, name); }
    Services &services() const { return *services_; }
    // A message of the calculators (UTF-8, lines joined with CR LF).
    void show_message(std::string_view text);

private:
    std::shared_ptr<Services> services_;
    mechanics::Working working_;
    bool offers_working_ = false;
};

} // namespace ui
