// Driving the real widgets through their names, as a user would.
#pragma once

#include <QAbstractButton>
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

inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace test
