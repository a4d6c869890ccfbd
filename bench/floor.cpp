// The reference for start-up figures: the least a Qt Widgets program does to
// show one fixed-size window. Vantrel's splash should appear about as fast.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(239, 159);
    window.show();
    return QApplication::exec();
}
