// Frmabout: the small window with the version line, the credits and the e-mail link.
#pragma once

#include "ui/services.h"

#include <QWidget>

#include <memory>

namespace app {

class Frmabout : public QWidget {
    Q_OBJECT
public:
    explicit Frmabout(std::shared_ptr<ui::Services> services);

private:
    std::shared_ptr<ui::Services> services_;
};

} // namespace app
