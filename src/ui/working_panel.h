// The working of the page shown, in a panel beside the main window: each line
// typeset as the page formulas are, the significant figures to choose, and a
// copy for homework, a document or a chat.
#pragma once

#include <QWidget>

class QComboBox;
class QVBoxLayout;

namespace mechanics {
class Working;
}

namespace ui {

class WorkingPanel : public QWidget {
    Q_OBJECT
public:
    // A tool window of `main_window`: it stays with it and is never modal.
    explicit WorkingPanel(QWidget *main_window);

    // Shows `working` of the page captioned `page`; none: the page computes
    // nothing. The working must outlive the panel or the next call.
    void show_working(const mechanics::Working *working, const QString &page);

    // Shows the panel at the main window's right edge where the screen has
    // room for it, otherwise at its left, otherwise below it.
    void open();

    // The working as lines of formula markup, at the figures chosen.
    QStringList lines() const;

public slots:
    void refresh();

private:
    void copy() const;

    const mechanics::Working *working_ = nullptr;
    QString page_;
    QComboBox *figures_ = nullptr;
    QWidget *text_ = nullptr;
    QVBoxLayout *rows_ = nullptr;
};

} // namespace ui
