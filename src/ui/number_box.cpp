#include "ui/number_box.h"

#include "mechanics/numbers.h"

#include <QLineEdit>
#include <QLocale>

namespace ui {

char decimal_separator()
{
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

double read_number(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return mechanics::read_number(std::string_view(bytes.constData(), bytes.size()),
                                  decimal_separator());
}

double read_box(const QLineEdit *box)
{
    return read_number(box->text());
}

QString number_text(double value)
{
    return QString::fromStdString(mechanics::number_text(value, decimal_separator()));
}

void write_box(QLineEdit *box, double value)
{
    box->setText(number_text(value));
    box->setCursorPosition(0); // show the leading digits of a long result
}

} // namespace ui
