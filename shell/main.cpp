#include "MainForm1.hpp"
#include "application.hpp"
#include "placement.hpp"

#include <QScreen>
#include <QWindow>

int main(int argc, char** argv) {
    quellfin::shell::Application app(argc, argv);

    quellfin::shell::TMainForm window; // computes the first report
    window.winId();                    // the native window, so its frame is known
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(screen->availableGeometry());
    }
    const QMargins frame =
        window.windowHandle() != nullptr ? window.windowHandle()->frameMargins() : QMargins();
    window.move(quellfin::shell::DesktopCentredPosition(window.size().grownBy(frame), screens));
    window.show();
    return QApplication::exec();
}
