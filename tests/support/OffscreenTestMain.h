#pragma once

#include <QApplication>
#include <QTest>

/// QTEST_MAIN for the window's tests, on Qt's offscreen platform whatever display the caller
/// has, so that sizes and drawing do not depend on a screen. With `noPrintServer`, the
/// print system is pointed at a socket nobody listens on: the test sees no printer and can
/// never print on the machine's own.
#define QUISTRAL_OFFSCREEN_TEST_MAIN(TestObject, noPrintServer)                   \
  int main(int argc, char* argv[]) {                                              \
    qputenv("QT_QPA_PLATFORM", "offscreen");                                      \
    if (noPrintServer) qputenv("CUPS_SERVER", "/nonexistent/quistral-cups.sock"); \
    QApplication application(argc, argv);                                         \
    QTEST_DISABLE_KEYPAD_NAVIGATION                                               \
    TestObject test;                                                              \
    QTEST_SET_MAIN_SOURCE_PATH                                                    \
    return QTest::qExec(&test, argc, argv);                                       \
  }
