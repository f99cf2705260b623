#include "application.hpp"

#include "qt_text.hpp"
#include "window_layout.hpp"

#include <QIcon>
#include <QMessageBox>
#include <exception>

namespace quellfin::shell {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quellfin"));
    setApplicationVersion(QStringLiteral(QUELLFIN_VERSION));
    setOrganizationDomain(QStringLiteral("trellmar.com.br"));
    setDesktopFileName(QStringLiteral(QUELLFIN_APP_ID));
    setWindowIcon(QIcon(ToQString(kIconResource)));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportError(QStringLiteral("Erro desconhecido"));
    }
    return false;
}

namespace {
Application::ErrorReporter& Reporter() {
    static Application::ErrorReporter reporter;
    return reporter;
}
} // namespace

void Application::setErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}

void Application::reportError(const QString& message) {
    if (Reporter()) {
        Reporter()(message);
        return;
    }
    QMessageBox::critical(activeWindow(), QStringLiteral("Quellfin"), message, QMessageBox::Ok);
}

} // namespace quellfin::shell
