// Number boxes: results written with the program's number rules and the
// decimal separator of the user's locale, and shown whole or shortened.
#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

namespace ui {

// The locale's decimal separator when it is one ASCII character, else '.'.
// Taken from the default QLocale, which is the system's unless a test pins one.
char decimal_separator();

QString number_text(double value);
void write_box(QLineEdit *box, double value);

// The longest form of a number's text that `fits`: the text itself, or its
// sign, its leading digits, "…" where digits are left out, and its power of
// ten, so that 4.47213595499958E-06 never reads as 4.47. A plain number too
// long for its whole part is shown in powers of ten. Only digits of the text
// are shown. When nothing fits, the shortest form.
QString shortened_number(const QString &text, const std::function<bool(const QString &)> &fits);

// A number box that, while it does not have the focus, shows a text too long
// for it shortened, in a smaller face if need be, with the whole text as its
// tooltip. Its text() stays the written text: what is copied, read back and
// read out by a screen reader.
class NumberBox : public QLineEdit {
public:
    explicit NumberBox(QWidget *parent = nullptr);

    // What the box paints now.
    QString shown_text() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The usual edit menu, then the box's own actions.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Display {
        QString text;
        QFont font;
    };
    QRect line_rect() const;
    Display display() const;
    bool fits(const QString &text, const QFont &font, int room) const;
    void update_tool_tip();
};

} // namespace ui
