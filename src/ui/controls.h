// Building a page from a table: each control with its name, its place in twips
// and its text, so that a page's layout reads as data beside its code.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace ui {

// A rectangle in twips, relative to the parent's top-left corner.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// 15 twips to one device-independent pixel; Qt scales for high-DPI screens.
inline constexpr int TWIPS_PER_PIXEL = 15;

QRect to_pixels(Twips twips);
QSize to_pixels(int width_twips, int height_twips);

enum class Kind {
    InputBox,     // editable number box
    LockedBox,    // read-only but selectable: results, and boxes unlocked by a tick
    DisabledBox,  // an input box that starts disabled
    Label,        // one line of plain text
    WrapLabel,    // plain or rich text wrapped inside its width
    Formula,      // formula markup drawn by FormulaLabel
    RowCaption,   // formula markup right-aligned, ending just before its box
    CheckBox,     // the text, if any, is its caption
    RadioButton,  // checked when `checked` is set
    ActionButton, // an element of the button array: name "CurtButton1_<index>"
    PushButton,   // a button of the page's own, outside the array
    ComboBox,     // drop-down list of the '\n'-separated items, none picked
    Custom,       // made by `make`
};

struct ControlRow {
    Kind kind;
    const char *name;
    Twips at;
    std::u16string_view text = {};
    // What a screen reader says; formulas fall back to their plain text.
    std::u16string_view accessible = {};
    // Point size for formulas and labels; 0 keeps the page's font.
    double point_size = 0;
    bool checked = false;
    // Wrapped notes: lines as close as in 宋体 (set_line_pitch), not the CJK
    // face's own wider pitch.
    bool close_lines = false;
    // Kind::Custom: makes the control as a child of `parent`.
    QWidget *(*make)(QWidget *parent) = nullptr;
};

QString qstr(std::u16string_view text);

// Creates every control of the table as a child of `parent`, in table order.
void build_controls(QWidget *parent, std::span<const ControlRow> entries);

// The named child of type T. A name missing from the table stops the program
// at once, in every build, rather than leaving a null pointer for later.
template <class T> T *child(const QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

// While `choice` is checked only `when_checked` can be typed in, else only
// `otherwise`; both keep their texts. Follows the keyboard and the program too.
void enable_by_choice(QAbstractButton *choice, QWidget *when_checked, QWidget *otherwise);

// Keyboard focus moves through `names` in this order.
void set_focus_order(QWidget *parent, std::initializer_list<const char *> names);

// Enter or keypad Enter in any editable number box of `parent` presses `action`.
void press_on_enter(QWidget *parent, QAbstractButton *action);

// Runs `action` when the left button is released over `widget`: labels that
// act like links or close themselves when clicked.
void on_left_click(QWidget *widget, std::function<void()> action);

// Moves a window that is about to be shown for the first time to the centre
// of its screen. Call from showEvent; later shows keep where the user put it.
void centre_on_first_show(QWidget *window, bool &centred);

// Sets a wrapped label's lines as close as the 宋体 lines the pages were drawn
// with, one pixel between the ink of a line and the next, so that a note keeps
// to its place without its lines touching at any scale. `html` is the label's
// rich text; the ink of sub- and superscripts is not measured.
void set_line_pitch(QLabel *label, const QString &html);

} // namespace ui
