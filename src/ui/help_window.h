// A plain viewer for the help page, for desktops that cannot open documents.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *owner);
    void show_document(const QString &path);

private:
    QTextBrowser *browser_;
};

} // namespace ui
