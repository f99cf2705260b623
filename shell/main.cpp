#include "MainForm1.hpp"
#include "application.hpp"
#include "placement.hpp"

#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

// An error while the window is being built ends the program with this status, after saying why.
constexpr int kStartupFailure = 217;

} // namespace

int main(int argc, char** argv) {
    quellfin::shell::Application app(argc, argv);

    std::unique_ptr<quellfin::shell::TMainForm> window;
    try {
        window = std::make_unique<quellfin::shell::TMainForm>(); // computes the first report
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quellfin: %s\n", error.what());
        return kStartupFailure;
    }

    window->winId(); // the native window, so its frame is known
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(screen->availableGeometry());
    }
    const QMargins frame =
        window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
    window->move(quellfin::shell::DesktopCentredPosition(window->size().grownBy(frame), screens));
    window->show();
    return QApplication::exec();
}
