// One topic page of the main window: a captioned group that owns its controls
// and talks to the desktop only through the services it was given.
#pragma once

#include "ui/services.h"

#include <QGroupBox>

#include <memory>
#include <string>

namespace ui {

class TopicPage : public QGroupBox {
    Q_OBJECT
public:
    TopicPage(const char *name, const QString &caption, std::shared_ptr<Services> services,
              QWidget *parent);

protected:
    Services &services() const { return *services_; }
    // A message of the calculators (UTF-8, lines joined with CR LF).
    void show_message(const std::string &text) const;

private:
    std::shared_ptr<Services> services_;
};

} // namespace ui
