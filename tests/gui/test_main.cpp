#include "application.hpp"

#include <QTest>

int RunWindowTests(int argc, char** argv);
int RunPlacementTests(int argc, char** argv);
int RunMonkeyTests(int argc, char** argv);

int main(int argc, char** argv) {
    quellfin::shell::Application app(argc, argv);
    const int window = RunWindowTests(argc, argv);
    const int placement = RunPlacementTests(argc, argv);
    const int monkey = RunMonkeyTests(argc, argv);
    return window + placement + monkey;
}
