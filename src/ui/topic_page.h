// One topic page of the main window: a captioned group built from its control
// table, which talks to the desktop only through the services it was given.
// A page can be built alone, without the main window.
#pragma once

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

protected:
    // A control of the page's table, looked up once by the page's constructor.
    template <class T> T *control(const char *name) const { return child<T>(this, name); }
    Services &services() const { return *services_; }
    // A message of the calculators (UTF-8, lines joined with CR LF).
    void show_message(std::string_view text) const;

private:
    std::shared_ptr<Services> services_;
};

} // namespace ui
