// What the program needs from the desktop that cannot run headless. The program
// uses QtServices; tests use a recording fake.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QWidget;

namespace ui {

// What the save dialog should offer: title, initial name and file types in
// their order ("BMP图像(*.bmp)").
struct SaveRequest {
    QString title;
    QString initial_name;
    QStringList filters;
};

class Services {
public:
    virtual ~Services() = default;

    // Modal box titled "Vantrel": the text, no icon, one OK button.
    virtual void show_message(QWidget *owner, const QString &text) = 0;

    // The colour dialog; nothing when the user cancels.
    virtual std::optional<QColor> choose_colour(QWidget *owner, const QColor &initial) = 0;

    // The save dialog; the chosen name, or nothing when the user cancels.
    virtual std::optional<QString> choose_save_name(QWidget *owner, const SaveRequest &request) = 0;

    // Asks the desktop to open a document or a mailto: link without waiting.
    // False only when the desktop cannot open it at all.
    virtual bool open_url(const QUrl &url) = 0;
};

// The application title that captions every message box.
inline const QString APP_TITLE = QStringLiteral("Vantrel");

} // namespace ui
