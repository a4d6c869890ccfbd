// Frmabout: the small window with the version line, the credits and the e-mail
// link. Modeless, without an owner, and above all other windows while open.
#pragma once

#include "ui/services.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace app {

class Frmabout : public QWidget {
    Q_OBJECT
public:
    explicit Frmabout(std::shared_ptr<ui::Services> services);

    // "Vantrel v" and the major and minor version; the revision is not shown.
    static QString build_version_line(int major, int minor);

    // Where the e-mail line leads.
    static const QString MAIL_ADDRESS;

    // Asks the desktop to start a mail to the maker; its answer is ignored.
    void open_mail_link();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void make_topmost();

    std::shared_ptr<ui::Services> services_;
    QLabel *Label4 = nullptr;
    bool centred_ = false;
};

} // namespace app
