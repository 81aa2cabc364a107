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

#include <ostream>

#include <gtest/gtest.h>

// Failure messages show QStrings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A fixture whose widget members can be built: the application exists first.
struct QtTest : ::testing::Test {
    QtTest() { TestApp(); }
};
