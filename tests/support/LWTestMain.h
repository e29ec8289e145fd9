#pragma once

#include <QString>
#include <QtTest>

// Every test executable starts from an empty home folder and its own
// settings store, so no test sees the author's real "Lumeworks" folder or
// another test's leftovers.
namespace LWTest {

// Prepares the isolated environment; must run before any QCoreApplication
// or program singleton exists. Returns the temporary home folder.
QString isolate();

// The temporary home folder chosen by isolate().
QString homeFolder();

int run(int argc, char **argv, QObject *testObject);

} // namespace LWTest

// Use instead of QTEST_MAIN.
#define LW_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        LWTest::isolate();                                                                         \
        QGuiApplication app(argc, argv);                                                           \
        TestClass test;                                                                            \
        return LWTest::run(argc, argv, &test);                                                     \
    }
