// Frmload: the main window, its page switching and the one click dispatcher of
// the button array CurtButton1.
#pragma once

#include "app/elements.h"
#include "ui/services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;

namespace ui {
class HelpWindow;
class WorkingPanel;
class TopicPage;
} // namespace ui

namespace app {

class Frmabout;

class Frmload : public QWidget {
    Q_OBJECT
public:
    // Without services the window uses the real desktop ones.
    explicit Frmload(std::shared_ptr<ui::Services> services = nullptr, QWidget *parent = nullptr);
    ~Frmload() override;

    static constexpr int PAGE_COUNT = app::PAGE_COUNT;
    static constexpr int BUTTON_COUNT = ELEMENT_COUNT;

    // Runs one click of element `index` of CurtButton1 under the error trap.
    void dispatch_button(int index);

    // Shows `page` and hides every other page.
    void show_topic_page(ui::TopicPage *page);
    void show_about();
    // Opens the panel with the working of the page shown, beside this window.
    void show_working();
    ui::WorkingPanel *working_panel() const { return working_panel_; }
    void open_help();

    // True: the work-and-power page reads its angle in radians.
    bool angle_in_radians() const;
    QGroupBox *page(int n) const;
    Frmabout *about_window() const;

    // Where the help page is looked for: beside the program, then in the
    // installed data folder.
    static QString find_help_document(const QString &program_folder);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chain_tab_order();
    void follow_working();
    void load();

    std::shared_ptr<ui::Services> services_;
    QButtonGroup *CurtButton1 = nullptr;
    std::array<ui::TopicPage *, PAGE_COUNT> pages_{};
    QPointer<Frmabout> about_;
    QPointer<ui::HelpWindow> help_;
    ui::WorkingPanel *working_panel_ = nullptr;
    bool centred_ = false;
};

} // namespace app
