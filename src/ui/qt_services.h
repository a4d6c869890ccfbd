#pragma once

#include "ui/services.h"

#include <memory>

class QMessageBox;

namespace ui {

// The box show_message opens, built and not yet shown.
std::unique_ptr<QMessageBox> make_message_box(QWidget *owner, const QString &text);

class QtServices final : public Services {
public:
    void show_message(QWidget *owner, const QString &text) override;
    std::optional<QColor> choose_colour(QWidget *owner, const QColor &initial) override;
    std::optional<QString> choose_save_name(QWidget *owner, const SaveRequest &request) override;
    bool open_url(const QUrl &url) override;
};

} // namespace ui
