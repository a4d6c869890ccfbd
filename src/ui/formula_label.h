// A one-line formula drawn with real sub- and superscripts, fractions and root
// signs, in the font of the widget (the program's face).
//
// Markup: plain characters stand for themselves; _x or _{...} is a subscript,
// ^x or ^{...} a superscript (a subscript and a superscript in a row stack);
// \frac{num}{den} is a fraction; \sqrt{...} a square root with its bar;
// {...} groups.
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace ui {

// The markup as text, with Unicode scripts (v₀, a², √(…), (a − b)/c), and as
// HTML with <sub> and <sup>: for the clipboard.
QString formula_plain_text(const QString &markup);
QString formula_html(const QString &markup);

class FormulaLabel : public QWidget {
    Q_OBJECT
public:
    // point_size 0 keeps the parent's font size.
    FormulaLabel(const QString &markup, double point_size, QWidget *parent = nullptr);
    ~FormulaLabel() override;

    QString markup() const { return markup_; }
    // The formula as readable text, for screen readers: F₁² + √(…), a/b.
    QString plainText() const;

    QSize sizeHint() const override;

    // Left (the default) or right: a row caption ends just before its box.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The markup read once, and its layout for the font it was last shown in.
    struct Formula;

    QString markup_;
    std::unique_ptr<Formula> formula_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

} // namespace ui
