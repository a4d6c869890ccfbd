#include "pages/vibration_page.h"

#include "mechanics/messages.h"
#include "mechanics/vibration_drawing.h"
#include "ui/graph_surface.h"
#include "ui/number_box.h"
#include "ui/picture_file.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace pages {

namespace {

using ui::Kind;

QWidget *make_surface(QWidget *parent)
{
    return new ui::GraphSurface(parent);
}

// Twips inside the page. The picture starts below the frame's top line, which
// runs under the page's caption; the period caption is as tall as the
// amplitude caption so that its characters are not cut off at the bottom.
constexpr ui::ControlRow CONTROLS[] = {
    {.kind = Kind::Custom,
     .name = "Pic1",
     .at = {120, 300, 3495, 2055},
     .accessible = u"振动图像",
     .make = make_surface},
    {Kind::Label, "Label40", {3720, 285, 855, 255}, u"振动图像:"},
    {Kind::Label, "Label37", {3840, 520, 375, 255}, u"振幅"},
    {Kind::InputBox, "Text23", {4320, 480, 735, 270}, {}, u"振幅"},
    {Kind::Label, "Label38", {3840, 885, 495, 255}, u"周期"},
    {Kind::InputBox, "Text24", {4320, 840, 735, 270}, {}, u"周期"},
    {Kind::Label, "Label39", {3720, 1240, 855, 255}, u"图像颜色"},
    {Kind::RadioButton, "Option7", {3720, 1560, 495, 255}, u"细", {}, 0, true},
    {Kind::RadioButton, "Option8", {4440, 1560, 615, 255}, u"粗"},
    {Kind::ActionButton, "CurtButton1_14", {3720, 1920, 615, 375}, u"绘图"},
    {Kind::ActionButton, "CurtButton1_17", {4440, 1920, 615, 375}, u"保存"},
    // A captionless button painted in the graph colour.
    {Kind::PushButton, "Command1", {4560, 1200, 495, 255}, {}, u"图像颜色"},
};

mechanics::Rgb to_rgb(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

} // namespace

VibrationPage::VibrationPage(std::shared_ptr<ui::Services> services, QWidget *parent)
    : TopicPage("Frame5", u"振动", CONTROLS, std::move(services), parent),
      Pic1(control<ui::GraphSurface>("Pic1")), Text23(control<QLineEdit>("Text23")),
      Text24(control<QLineEdit>("Text24")), Option7(control<QRadioButton>("Option7")),
      Command1(control<QPushButton>("Command1"))
{
    Text23->setText(QStringLiteral("1"));
    Text24->setText(QStringLiteral("4"));
    connect(Command1, &QPushButton::clicked, this, &VibrationPage::pick_graph_colour);
    show_graph_colour();

    ui::set_focus_order(this, {"Text23", "Text24", "Command1", "Option7", "Option8",
                               "CurtButton1_14", "CurtButton1_17"});
    ui::press_on_enter(this, control<QPushButton>("CurtButton1_14"));
}

void VibrationPage::plot_vibration_graph()
{
    const QByteArray amplitude = Text23->text().toUtf8();
    const QByteArray period = Text24->text().toUtf8();
    const mechanics::VibrationPlot plot = mechanics::plot_vibration({
        .amplitude_text = {amplitude.constData(), static_cast<std::size_t>(amplitude.size())},
        .period_text = {period.constData(), static_cast<std::size_t>(period.size())},
        .thin = Option7->isChecked(),
        .colour = to_rgb(graph_colour_),
        .decimal_separator = ui::decimal_separator(),
    });
    if (!plot.message.empty()) {
        show_message(plot.message);
        return;
    }
    Pic1->play(plot.drawing);
}

void VibrationPage::save_vibration_graph()
{
    // The picture is taken before the dialog opens: the graph as at the click.
    Picsav = Pic1->take_image();
    const QByteArray vectors = Pic1->take_svg();
    ui::SaveRequest request{
        QStringLiteral("保存图像"),
        QStringLiteral("振动图像"),
        {QStringLiteral("BMP图像(*.bmp)"), QStringLiteral("JPEG图像(*.jpg)"),
         QStringLiteral("PNG图像(*.png)"), QStringLiteral("SVG图像(*.svg)")},
    };
    const std::optional<QString> name = services().choose_save_name(window(), request);
    if (!name || name->isEmpty())
        return;
    if (!ui::write_picture(Picsav, vectors, *name))
        show_message(mechanics::save_failed_message());
}

void VibrationPage::pick_graph_colour()
{
    // A cancelled dialog leaves the colour as it was.
    const std::optional<QColor> chosen = services().choose_colour(window(), graph_colour_);
    if (chosen && chosen->isValid())
        graph_colour_ = *chosen;
    show_graph_colour();
}

void VibrationPage::show_graph_colour()
{
    Command1->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }"
                       "QPushButton:focus { border: 2px solid palette(highlight); }")
            .arg(graph_colour_.name()));
}

} // namespace pages
