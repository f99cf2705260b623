#include "application.hpp"

#include <QTest>

int RunPrintingTests(int argc, char** argv);
int RunAccessibilityTests(int argc, char** argv);

// Printing and accessibility run apart from the window tests, whose fallback timers (ending the
// event loop after five seconds) would otherwise end a message box of theirs.
int main(int argc, char** argv) {
    quellfin::shell::Application app(argc, argv);
    const int printing = RunPrintingTests(argc, argv);
    const int accessibility = RunAccessibilityTests(argc, argv);
    return printing + accessibility;
}
