// Number boxes: reading their text with the program's number rules and writing
// results, with the decimal separator of the user's locale.
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// The locale's decimal separator when it is one ASCII character, else '.'.
// Taken from the default QLocale, which is the system's unless a test pins one.
char decimal_separator();

// read_number of the text; raises CalculationFailure.
double read_number(const QString &text);
double read_box(const QLineEdit *box);

QString number_text(double value);
void write_box(QLineEdit *box, double value);

} // namespace ui
