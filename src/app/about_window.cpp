#include "app/about_window.h"

#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>

namespace app {

Frmabout::Frmabout(std::shared_ptr<ui::Services> services)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("Frmabout"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(ui::to_pixels(3600, 1980));
    auto *version = new QLabel(QStringLiteral("Vantrel v1.0"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(ui::to_pixels({720, 240, 2655, 255}));
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(ui::to_pixels({1320, 1560, 975, 340}));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace app
