#include "application.hpp"

#include <QTest>
#include <memory>

int RunWindowTests(int argc, char** argv);
int RunPlacementTests(int argc, char** argv);

int main(int argc, char** argv) {
    quellfin::shell::Application app(argc, argv);
    const int window = RunWindowTests(argc, argv);
    const int placement = RunPlacementTests(argc, argv);
    return window + placement;
}
