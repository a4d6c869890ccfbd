// Driving the real widgets through their names, as a user would.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace test {

template <class T = QWidget> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Replaces the text of an editable box by typing, keystroke by keystroke.
inline void type(const QWidget *root, const QString &name, const QString &text)
{
    auto *box = control<QLineEdit>(root, name);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// "@de_DE Text12=4 Combo1=1 Option4 ↵Text8": locale, typing (␣ a blank: "36␣km/h"),
// pick (-1: none), click, Return.
inline void steps(const QWidget *root, const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = step.section(u'=', 0, 0);
        const QString value = step.section(u'=', 1).replace(u'␣', u' ');
        if (step.startsWith(u'@'))
            QLocale::setDefault(QLocale(step.mid(1)));
        else if (step.startsWith(u'↵'))
            QTest::keyClick(control<QLineEdit>(root, step.mid(1)), Qt::Key_Return);
        else if (auto *list = root->findChild<QComboBox *>(name))
            list->setCurrentIndex(value.toInt());
        else if (name.startsWith("Text"))
            type(root, name, value);
        else
            QTest::mouseClick(control<QWidget>(root, name), Qt::LeftButton);
    }
}

} // namespace test
