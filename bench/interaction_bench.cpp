// What one click costs: each page's action from the dispatcher to the results
// written, one plot of the vibration graph, one save of the picture, and the
// number rules per call, with and without a unit. Run through bench/interaction, which also repeats
// the plot at device pixel ratios 2 and 3 (QT_SCALE_FACTOR).
#include "app/main_window.h"
#include "mechanics/numbers.h"
#include "mechanics/units.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Desktop services that answer at once: the save dialog names a file in a
// temporary folder, messages and links are dropped.
class QuietServices final : public ui::Services {
public:
    QString save_path;
    void show_message(QWidget *, const QString &) override {}
    std::optional<QColor> choose_colour(QWidget *, const QColor &) override { return {}; }
    std::optional<QString> choose_save_name(QWidget *, const ui::SaveRequest &) override
    {
        return save_path;
    }
    bool open_url(const QUrl &) override { return true; }
};

} // namespace

class InteractionBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void page_click_data();
    void page_click();
    void page_click_with_working_data() { page_click_data(); }
    void page_click_with_working();
    void plot();
    void save_bmp();
    void read_number();
    void read_quantity_data();
    void read_quantity();
    void number_text();

private:
    void set(const char *name, const QString &text);
    void tick(const char *name);

    QTemporaryDir folder_;
    std::shared_ptr<QuietServices> services_ = std::make_shared<QuietServices>();
    std::unique_ptr<app::Frmload> window_;
};

void InteractionBench::set(const char *name, const QString &text)
{
    window_->findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

void InteractionBench::tick(const char *name)
{
    auto *box = window_->findChild<QCheckBox *>(QLatin1String(name));
    if (!box->isChecked())
        box->click();
}

void InteractionBench::initTestCase()
{
    services_->save_path = folder_.filePath(QStringLiteral("graph.bmp"));
    window_ = std::make_unique<app::Frmload>(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    // Inputs that every action accepts, so each click runs to its last write.
    set("Text1", "5");
    set("Text2", "5");
    set("Text3", "120");
    for (const char *check : {"Check1", "Check2", "Check3"})
        tick(check);
    set("Text5", "0");
    set("Text6", "10");
    set("Text7", "2");
    set("Text10", "2");
    set("Text12", "4");
    set("Text13", "3");
    set("Text16", "10");
    set("Text17", "60");
    set("Text18", "3");
    set("Text20", "2");
    set("Text25", "1000000");
    window_->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(1);
}

void InteractionBench::cleanupTestCase()
{
    window_.reset();
}

void InteractionBench::page_click_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::newRow("two forces") << 0 << 9;
    QTest::newRow("linear motion") << 1 << 10;
    QTest::newRow("circular motion") << 2 << 11;
    QTest::newRow("explanation toggle") << 3 << 12;
    QTest::newRow("work and power") << 4 << 13;
    QTest::newRow("satellite") << 6 << 16;
}

void InteractionBench::page_click()
{
    QFETCH(int, page);
    QFETCH(int, index);
    window_->dispatch_button(page);
    QBENCHMARK
    {
        window_->dispatch_button(index);
    }
}

// The same click with the working panel open: the working is also rendered
// at the figures chosen and typeset line by line beside the window.
void InteractionBench::page_click_with_working()
{
    QFETCH(int, page);
    QFETCH(int, index);
    window_->dispatch_button(page);
    window_->show_working();
    QBENCHMARK
    {
        window_->dispatch_button(index);
    }
}

void InteractionBench::plot()
{
    window_->dispatch_button(5);
    QBENCHMARK
    {
        window_->dispatch_button(14);
    }
}

void InteractionBench::save_bmp()
{
    window_->dispatch_button(5);
    window_->dispatch_button(14);
    QBENCHMARK
    {
        window_->dispatch_button(17);
    }
    QVERIFY(QFileInfo(services_->save_path).size() > 0);
}

void InteractionBench::read_number()
{
    const std::string_view texts[] = {"12.5",     "-0.00025",         "6.67E-11",
                                      "36000000", "3.14159265358979", "  1e3 "};
    double sum = 0;
    QBENCHMARK
    {
        for (std::string_view text : texts)
            sum += mechanics::read_number(text);
    }
    QVERIFY(sum != 0);
}

void InteractionBench::read_quantity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("box"); // a mechanics::Dimension; -1: read_number alone, the reference
    QTest::newRow("read_number 36") << "36" << -1;
    QTest::newRow("36") << "36" << int(mechanics::Dimension::Speed);
    QTest::newRow("36 km/h") << "36 km/h" << int(mechanics::Dimension::Speed);
    QTest::newRow("3.6x10^4 km, typed with ×")
        << "3.6×10^4 km" << int(mechanics::Dimension::Length);
}

// A hundred readings of one text a call: a unit must cost at most as much again
// as the number alone.
void InteractionBench::read_quantity()
{
    QFETCH(QString, typed);
    QFETCH(int, box);
    const std::string text = typed.toStdString();
    const auto dimension = static_cast<mechanics::Dimension>(box);
    double sum = 0;
    QBENCHMARK
    {
        for (int i = 0; i < 100; ++i)
            sum += box < 0 ? mechanics::read_number(text)
                           : mechanics::read_quantity(text, dimension).value;
    }
    QVERIFY(sum > 0);
}

void InteractionBench::number_text()
{
    const double values[] = {12.5, -0.00025, 6.67e-11, 7913.04786606351, 1.0 / 3, 1e100};
    std::size_t length = 0;
    QBENCHMARK
    {
        for (double value : values)
            length += mechanics::number_text(value).size();
    }
    QVERIFY(length > 0);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::setup_look(application);
    InteractionBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "interaction_bench.moc"
