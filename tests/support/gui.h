// Driving the real widgets through their names, as a user would.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace test {

template <class T> T *control(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QLineEdit *box(const QWidget *root, const QString &name)
{
    return control<QLineEdit>(root, name);
}

inline QAbstractButton *button(const QWidget *root, const QString &name)
{
    return control<QAbstractButton>(root, name);
}

// Replaces the text of an editable box by typing, keystroke by keystroke.
inline void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace test
