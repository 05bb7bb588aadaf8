#pragma once
// The main of a Qt Test program: the test environment of every test program
// (temporary HOME and XDG folders), the offscreen platform so that no
// display is needed, one application object, then the test class.
#include <QApplication>
#include <QTest>

#include <cstdlib>

#include "TestEnvironment.h"

#define FQ_GUI_TEST_MAIN_WITH(TestClass, ApplicationClass)       \
    int main(int argc, char** argv) {                              \
        const fq::test::TestEnvironmentScope environment;          \
        setenv("QT_QPA_PLATFORM", "offscreen", 1);                 \
        ApplicationClass application(argc, argv);                 \
        TestClass tests;                                           \
        return QTest::qExec(&tests, argc, argv);                   \
    }

#define FQ_GUI_TEST_MAIN(TestClass) FQ_GUI_TEST_MAIN_WITH(TestClass, QApplication)
