#include "ui/qt_services.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {

void QtServices::show_message(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, APP_TITLE, text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<QColor> QtServices::choose_colour(QWidget *owner, const QColor &initial)
{
    QColorDialog dialog(initial, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> QtServices::choose_save_name(QWidget *owner, const SaveRequest &request)
{
    QFileDialog dialog(owner, request.title, request.initial_name);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtServices::open_url(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace ui
