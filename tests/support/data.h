// Test tables kept as files in tests/data, beside the reference pictures.
#pragma once

#include <QFile>
#include <QStringList>

namespace test {

// The lines of tests/data/`name`, without blank lines and "#" comments.
inline QStringList data_lines(const QString &name)
{
    if (name.isEmpty())
        return {};
    QFile file(QStringLiteral(VANTREL_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no test data %s", qPrintable(name));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) { return line.startsWith(u'#'); });
    return lines;
}

} // namespace test
