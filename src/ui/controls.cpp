#include "ui/controls.h"

#include "ui/formula_label.h"
#include "ui/number_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

int pixels(int twips)
{
    return (twips + TWIPS_PER_PIXEL / 2) / TWIPS_PER_PIXEL;
}

QLineEdit *make_box(QWidget *parent, const ControlRow &entry)
{
    // Results run to twenty characters; the box shows what it cannot hold
    // shortened, never cut off before the power of ten.
    auto *box = new NumberBox(parent);
    // Boxes are 18 px high: the frame must not eat the digits.
    box->setTextMargins(0, 0, 0, 0);
    box->setReadOnly(entry.kind == Kind::LockedBox);
    box->setEnabled(entry.kind != Kind::DisabledBox);
    return box;
}

QWidget *make_control(QWidget *parent, const ControlRow &entry)
{
    const QString text = qstr(entry.text);
    switch (entry.kind) {
    case Kind::InputBox:
    case Kind::LockedBox:
    case Kind::DisabledBox:
        return make_box(parent, entry);
    case Kind::Label:
    case Kind::WrapLabel: {
        auto *label = new QLabel(text, parent);
        label->setWordWrap(entry.kind == Kind::WrapLabel);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(text.contains(u'<') ? Qt::RichText : Qt::PlainText);
        if (entry.point_size > 0) {
            QFont font = label->font();
            font.setPointSizeF(entry.point_size);
            label->setFont(font);
        }
        // After the size: the pitch is measured in the label's own font.
        if (entry.close_lines)
            set_line_pitch(label, text.contains(u'<') ? text : text.toHtmlEscaped());
        return label;
    }
    case Kind::Formula:
        return new FormulaLabel(text, entry.point_size, parent);
    case Kind::RowCaption: {
        auto *caption = new FormulaLabel(text, entry.point_size, parent);
        caption->setAlignment(Qt::AlignRight);
        return caption;
    }
    case Kind::CheckBox:
        return new QCheckBox(text, parent);
    case Kind::RadioButton: {
        auto *radio = new QRadioButton(text, parent);
        radio->setChecked(entry.checked);
        return radio;
    }
    case Kind::ActionButton:
        return new QPushButton(text, parent);
    case Kind::PushButton: {
        auto *button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::ComboBox: {
        auto *list = new QComboBox(parent);
        list->addItems(text.split(u'\n'));
        list->setCurrentIndex(-1);
        return list;
    }
    case Kind::Custom:
        return entry.make(parent);
    }
    return nullptr;
}

class LeftClickFilter : public QObject {
public:
    LeftClickFilter(QWidget *widget, std::function<void()> action)
        : QObject(widget), widget_(widget), action_(std::move(action))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget_ && event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                widget_->rect().contains(mouse->position().toPoint())) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *widget_;
    std::function<void()> action_;
};

} // namespace

QRect to_pixels(Twips twips)
{
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

QSize to_pixels(int width_twips, int height_twips)
{
    return {pixels(width_twips), pixels(height_twips)};
}

QString qstr(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void build_controls(QWidget *parent, std::span<const ControlRow> entries)
{
    for (const ControlRow &entry : entries) {
        QWidget *control = make_control(parent, entry);
        control->setObjectName(QString::fromLatin1(entry.name));
        control->setGeometry(to_pixels(entry.at));
        QString accessible = qstr(entry.accessible);
        if (accessible.isEmpty()) {
            if (auto *formula = qobject_cast<FormulaLabel *>(control))
                accessible = formula->plainText();
            else
                accessible = qstr(entry.text);
        }
        control->setAccessibleName(accessible);
    }
}

void enable_by_choice(QAbstractButton *choice, QWidget *when_checked, QWidget *otherwise)
{
    const auto follow = [=](bool checked) {
        // Disable first, so focus never lands on the box about to be disabled.
        (checked ? otherwise : when_checked)->setEnabled(false);
        (checked ? when_checked : otherwise)->setEnabled(true);
    };
    QObject::connect(choice, &QAbstractButton::toggled, when_checked, follow);
    follow(choice->isChecked());
}

void set_focus_order(QWidget *parent, std::initializer_list<const char *> names)
{
    QWidget *previous = nullptr;
    for (const char *name : names) {
        QWidget *next = child<QWidget>(parent, name);
        next->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void press_on_enter(QWidget *parent, QAbstractButton *action)
{
    // returnPressed also covers the keypad's Enter key.
    for (QLineEdit *box : parent->findChildren<QLineEdit *>()) {
        QObject::connect(box, &QLineEdit::returnPressed, action, [box, action] {
            if (!box->isReadOnly() && action->isVisible())
                action->click();
        });
    }
}

void on_left_click(QWidget *widget, std::function<void()> action)
{
    widget->installEventFilter(new LeftClickFilter(widget, std::move(action)));
}

void centre_on_first_show(QWidget *window, bool &centred)
{
    if (centred)
        return;
    centred = true;
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void set_line_pitch(QLabel *label, const QString &html)
{
    // The ink of the note's own characters in the face that stands in for 宋体,
    // one pixel, and no more. Qt takes the percentage of the line's height
    // rounded up to a whole pixel.
    QTextDocument text;
    text.setHtml(html);
    const QFontMetricsF metrics(label->font());
    const double ink = metrics.tightBoundingRect(text.toPlainText()).height();
    const int percent = static_cast<int>(std::ceil(100 * (ink + 1) / std::ceil(metrics.height())));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<p style=\"line-height:%1%\">%2</p>").arg(percent).arg(html));
}

} // namespace ui
