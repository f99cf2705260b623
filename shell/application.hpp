#pragma once

#include <QApplication>
#include <functional>

namespace quellfin::shell {

// The application object. An exception that escapes an event handler is shown in a message box
// with an OK button, and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error that escaped a handler: a message box unless a reporter was set (tests).
    using ErrorReporter = std::function<void(const QString&)>;
    static void setErrorReporter(ErrorReporter reporter);
    static void reportError(const QString& message);
};

} // namespace quellfin::shell
