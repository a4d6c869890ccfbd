// main() for a GUI test: the program's own style, Qt texts and face, as for a user.
#pragma once

#include "ui/application_setup.h"

#include <QApplication>
#include <QTest>

#define VANTREL_GUI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication application(argc, argv);                                                      \
        ui::setup_look(application);                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
