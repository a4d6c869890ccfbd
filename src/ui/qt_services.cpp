#include "ui/qt_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

// A box or dialog is transient for the main window and blocks only that window,
// so the About window stays usable. It must never open behind another window of
// the program, or it is out of reach and the program looks frozen. While a
// window stays on top (the About window):
// - the dialog takes the same hint, or it sits in the window manager's lower
//   layer, under that window;
// - once the dialog is mapped, that window steps down within its layer (it stays
//   above the main window). A window manager such as openbox puts a new window
//   just under the focused one of its layer, and raises a modal dialog only
//   together with its owner, so the dialog opens under the About window whenever
//   that has the focus. The request goes out after the dialog's map request, and
//   the window manager takes them in that order.
void keep_in_front(QDialog &dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    QList<QPointer<QWidget>> on_top;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != &dialog && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            on_top.append(window);
    }
    if (on_top.isEmpty())
        return;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(0, &dialog, [on_top] {
        for (QWidget *window : on_top) {
            if (window)
                window->lower();
        }
    });
}

QWidget *owner_window(QWidget *owner)
{
    return owner ? owner->window() : nullptr;
}

} // namespace

std::unique_ptr<QMessageBox> make_message_box(QWidget *owner, const QString &text)
{
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, APP_TITLE, text, QMessageBox::Ok,
                                         owner_window(owner));
}

void QtServices::show_message(QWidget *owner, const QString &text)
{
    const std::unique_ptr<QMessageBox> box = make_message_box(owner, text);
    keep_in_front(*box);
    box->exec();
}

std::optional<QColor> QtServices::choose_colour(QWidget *owner, const QColor &initial)
{
    QColorDialog dialog(initial, owner_window(owner));
    // The desktop's own dialogs take neither the hint nor the modality from us.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    keep_in_front(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> QtServices::choose_save_name(QWidget *owner, const SaveRequest &request)
{
    QFileDialog dialog(owner_window(owner), request.title, request.initial_name);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    keep_in_front(dialog);
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
