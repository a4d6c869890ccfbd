#include "pages/mechanical_energy_page.h"

#include "ui/controls.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace pages {

namespace {

using ui::Kind;

constexpr const char16_t *SHOW_NOTE = u"查看说明";
constexpr const char16_t *CLOSE_NOTE = u"关闭说明";

// The first line names the three energies; each formula stands in the run of
// blanks after its name.
constexpr std::u16string_view ENERGY_NAMES = u"动能            重力势能           弹性势能";

// A caption whose blanks are half a character wide, as in the Song face the
// page was drawn in: the CJK face's own blanks are narrower and would pull the
// names under the formulas between them.
class SpacedCaption : public QLabel {
public:
    SpacedCaption(const QString &text, QWidget *parent) : QLabel(text, parent)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    QSize sizeHint() const override
    {
        double width = 0;
        for_each_run([&](const QString &, double x, double run_width) { width = x + run_width; });
        return {static_cast<int>(std::ceil(width)), fontMetrics().height()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const double baseline = QFontMetricsF(font()).ascent();
        for_each_run([&](const QString &run, double x, double) {
            painter.drawText(QPointF(x, baseline), run);
        });
    }

private:
    // Calls visit(words, left edge, width) for every run of non-blank characters.
    template <class Visit> void for_each_run(Visit visit) const
    {
        const QFontMetricsF metrics(font());
        const double blank = metrics.horizontalAdvance(u'能') / 2;
        const QString caption = text();
        double x = 0;
        qsizetype i = 0;
        while (i < caption.size()) {
            if (caption[i] == u' ') {
                x += blank;
                ++i;
                continue;
            }
            const qsizetype end = caption.indexOf(u' ', i);
            const QString run = caption.mid(i, end < 0 ? -1 : end - i);
            const double width = metrics.horizontalAdvance(run);
            visit(run, x, width);
            x += width;
            i += run.size();
        }
    }
};

QWidget *make_energy_names(QWidget *parent)
{
    return new SpacedCaption(ui::qstr(ENERGY_NAMES), parent);
}

// Twips inside the page.
constexpr ui::ControlRow CONTROLS[] = {
    {.kind = Kind::Custom,
     .name = "Label13",
     .at = {120, 375, 4095, 255},
     .accessible = ENERGY_NAMES,
     .make = make_energy_names},
    {Kind::Formula, "Label12", {600, 255, 900, 480}, u"E_k=\\frac{1}{2}mv^2", u"Eₖ = ½mv²", 10.5},
    {Kind::Formula, "Label12_gravity", {2385, 255, 840, 480}, u"E_p=mgh", u"Eₚ = mgh", 10.5},
    {Kind::Formula,
     "Label12_elastic",
     {4065, 255, 900, 480},
     u"E_p=\\frac{1}{2}kx^2",
     u"Eₚ = ½kx²",
     10.5},
    {Kind::Label, "Label14", {120, 840, 3855, 255}, u"动能定理:合力做的功等于物体动能的变化。"},
    {Kind::Formula,
     "Label16",
     {120, 1065, 3495, 480},
     u"W_合=\\frac{1}{2}mv_2^2−\\frac{1}{2}mv_1^2",
     u"W合 = ½mv₂² − ½mv₁²",
     10.5},
    {.kind = Kind::WrapLabel,
     .name = "Label15",
     .at = {120, 1560, 4935, 450},
     .text = u"机械能守恒定律:"
             u"在只有重力做功的情况下，物体的动能和势能发生相互转化，但机械能的总量保持不变。",
     // Its two lines stand as close as in the face the page was drawn in, so
     // that they end above the formula below them.
     .close_lines = true},
    {Kind::Formula,
     "Label17",
     {120, 2010, 1935, 330},
     u"E_{k2}+E_{p2}=E_{k1}+E_{p1}",
     u"Eₖ₂ + Eₚ₂ = Eₖ₁ + Eₚ₁",
     10.5},
    {Kind::ActionButton, "CurtButton1_12", {3720, 1920, 1335, 375}, SHOW_NOTE, u"查看说明"},
    {Kind::WrapLabel,
     "Label20",
     {1200, 720, 2535, 840},
     u"说明:m为质量，v为速度，g为重力加速度，h为相对高度，k为弹性系数，x为弹性形变量。"},
};

} // namespace

MechanicalEnergyPage::MechanicalEnergyPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame3", u"机械能", CONTROLS, std::move(services), parent),
      Label20(control<QLabel>("Label20")), CurtButton1_12(control<QPushButton>("CurtButton1_12"))
{
    ui::set_focus_order(this, {"CurtButton1_12"});

    // The note covers the captions below it, in the colours of a tooltip, down
    // to the foot of the work-energy formula so that no half of it peeks out.
    Label20->setAutoFillBackground(true);
    Label20->setBackgroundRole(QPalette::ToolTipBase);
    Label20->setForegroundRole(QPalette::ToolTipText);
    Label20->setContentsMargins(2, 1, 2, 1);
    Label20->raise();
    show_note(false);
    ui::on_left_click(Label20, [this] { show_note(false); });
}

void MechanicalEnergyPage::toggle_explanation()
{
    // The note's own flag, not whether it can be seen: the page may be hidden.
    show_note(Label20->isHidden());
}

void MechanicalEnergyPage::show_note(bool shown)
{
    Label20->setVisible(shown);
    const QString caption = ui::qstr(shown ? CLOSE_NOTE : SHOW_NOTE);
    CurtButton1_12->setText(caption);
    CurtButton1_12->setAccessibleName(caption);
}

} // namespace pages
