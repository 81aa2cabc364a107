#pragma once
#include <QApplication>

// The test program's one QApplication, made on first use and kept to the end
// (destroying it among the static destructors would outlive Qt's own state).
inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "tonalith_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

#include <gtest/gtest.h>

// A fixture whose widget members can be built: the application exists first.
struct QtTest : ::testing::Test {
    QtTest() { TestApp(); }
};
