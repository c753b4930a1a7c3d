// One QApplication for every test of the binary, created on first use
// (Qt allows only one per process) and never destroyed: Qt's own statics,
// such as the pointing devices QTest creates, must not outlive it at exit.
// Tests run with the offscreen platform.
#pragma once

#include <QApplication>

namespace vantor::test {

inline QApplication& QtTestApp() {
    static int argc = 1;
    static char name[] = "vantor-tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace vantor::test
