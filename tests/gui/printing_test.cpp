#include "MainForm1.hpp"
#include "report_printer.hpp"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace quellfin;
using namespace quellfin::shell;

namespace {

// The text of a PDF as pdftotext reads it, page breaks dropped.
QString PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        qWarning("pdftotext not found (scripts/install-deps installs poppler-utils)");
        return {};
    }
    QProcess process;
    process.start(tool,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("pdftotext failed: %s", process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).remove(QLatin1Char('\f'));
}

// "Page size: 595.276 x 841.89 pts (A4)" from pdfinfo.
QString PdfPageSize(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("Page size:"))) {
            return line.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
        }
    }
    return {};
}

// The position of each wanted line among the text's lines, searched in order; -1 once one is
// missing.
int FindInOrder(const QStringList& lines, const QStringList& wanted, QString* missing) {
    int at = 0;
    for (const QString& w : wanted) {
        while (at < lines.size() && lines[at].trimmed() != w) {
            ++at;
        }
        if (at == lines.size()) {
            *missing = w;
            return -1;
        }
        ++at;
    }
    return at;
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Closes the next message box once it shows, keeping its text.
void AnswerNextMessageBox(QString* text) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMainForm> window;
    QTemporaryDir folder;
    QStringList proposed; // every path the file dialog was offered
    int printDialogs = 0;

    QString memo() const { return window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
    void saveTo(const QString& path) {
        window->printer().setFileDialog([this, path](QWidget*, const QString& offered) {
            proposed << offered;
            return path;
        });
    }
    void printTo(const QString& path) {
        window->printer().setPrintDialog([this, path](QWidget*, QPrinter& printer) {
            ++printDialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        window = std::make_unique<TMainForm>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        proposed.clear();
        printDialogs = 0;
        // Dialogs that would block: every test sets the ones it uses.
        window->printer().setFileDialog(
            [](QWidget*, const QString&) -> QString { qFatal("unexpected file dialog"); });
        window->printer().setPrintDialog(
            [](QWidget*, QPrinter&) -> bool { qFatal("unexpected print dialog"); });
    }
    void cleanup() {
        window.reset();
        QLocale::setDefault(QLocale::system());
    }

    // Printed or saved, the PDF holds the title, all 37 lines in order with the form's decimal
    // separator, then the glass check, as text.
    void reportReadsBackFromThePdf_data() {
        QTest::addColumn<bool>("print");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("print, pt_BR")
            << true << QLocale(QLocale::Portuguese, QLocale::Brazil) << "A4";
        QTest::newRow("save, pt_BR")
            << false << QLocale(QLocale::Portuguese, QLocale::Brazil) << "A4";
        QTest::newRow("save, en_US")
            << false << QLocale(QLocale::English, QLocale::UnitedStates) << "letter";
    }
    void reportReadsBackFromThePdf() {
        QFETCH(bool, print);
        QFETCH(QLocale, locale);
        QFETCH(QString, paper);
        QLocale::setDefault(locale);
        window->form().setSeparators({U',', U'.'});
        window->form().enterText(InputId::dlina, "60,5");
        const long runs = window->form().runCount();
        const QString report = memo();

        const QString path = folder.filePath(QStringLiteral("out.pdf"));
        QFile::remove(path);
        if (print) {
            printTo(path);
            window->findChild<QLineEdit*>("dlina")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(printDialogs, 1);
        } else {
            saveTo(path);
            window->printer().savePdfAction()->trigger();
            QCOMPARE(proposed.size(), 1);
            QCOMPARE(QFileInfo(proposed.front()).fileName(),
                     QStringLiteral("Quellfin 60,5x30x40.pdf"));
        }
        QVERIFY(QFile::exists(path));
        QCOMPARE(PdfPageSize(path), paper);

        const QString text = PdfText(path);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QVERIFY2(!text.isEmpty(), "no text in the PDF");
        QCOMPARE(lines.front().trimmed(), QStringLiteral("Quellfin"));
        QVERIFY(text.contains(QStringLiteral("60,5 x 30 x 40 cm")));
        QVERIFY(text.contains(locale.toString(QDate::currentDate(), QLocale::LongFormat)));

        QStringList wanted;
        for (const std::string& line : window->form().report()) {
            if (const QString shown = QString::fromStdString(line).trimmed(); !shown.isEmpty()) {
                wanted << shown;
            }
        }
        QVERIFY(wanted.contains(QStringLiteral("Vidro de fundo: 60,5 x 30 cm - 1 unidade")));
        wanted << QStringLiteral("VERIFICAÇÃO DO VIDRO");
        QString missing;
        const int afterReport = FindInOrder(lines, wanted, &missing);
        QVERIFY2(afterReport >= 0,
                 qPrintable(QStringLiteral("missing or out of order: ") + missing));
        // Table cells may wrap inside their column.
        const QString glass = lines.mid(afterReport).join(QLatin1Char(' ')).simplified();
        for (const char* cell :
             {"Fator de segurança", "Frente/trás", "Laterais", "Fundo (informativo)",
              "Resultado: Fator de segurança baixo.", "Carga no piso:", "Notas:"}) {
            QVERIFY2(glass.contains(QString::fromUtf8(cell)), cell);
        }
        QCOMPARE(memo(), report);
        QCOMPARE(window->form().runCount(), runs);
    }

    // The documents folder the desktop names, or the home folder while it does not exist.
    void pdfIsProposedInTheDocumentsFolder_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("documents folder") << true;
        QTest::newRow("documents folder never made") << false;
    }
    void pdfIsProposedInTheDocumentsFolder() {
        QFETCH(bool, exists);
        QTemporaryDir config;
        const QString documents = config.filePath(QStringLiteral("Documentos"));
        QFile dirs(config.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
        dirs.close();
        QVERIFY(!exists || QDir().mkdir(documents));
        const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        window->printer().setFileDialog([this](QWidget*, const QString& offered) {
            proposed << offered;
            return QString();
        });
        window->printer().saveAsPdf();
        if (hadConfig) {
            qputenv("XDG_CONFIG_HOME", oldConfig);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
        QCOMPARE(proposed, QStringList{(exists ? documents : QDir::homePath()) +
                                       QStringLiteral("/Quellfin 60x30x40.pdf")});
    }

    void cancelledDialogsWriteNothing() {
        window->printer().setFileDialog([](QWidget*, const QString&) { return QString(); });
        window->printer().setPrintDialog([](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("never.pdf"));
            return false;
        });
        QVERIFY(!window->printer().saveAsPdf());
        window->printer().print();
        QVERIFY(!QFile::exists(QStringLiteral("never.pdf")));
    }

    // A write that fails shows the file name and the reason, and leaves no file: neither a new one,
    // nor a half one, nor a temporary one, and an existing file keeps its content.
    void failedSaveShowsWhyAndLeavesNoFile_data() {
        QTest::addColumn<QString>("target"); // relative to a fresh folder, or absolute
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "missing/Quellfin.pdf" << false << ENOENT;
        QTest::newRow("folder is a file") << "plain.txt/Quellfin.pdf" << false << ENOTDIR;
        QTest::newRow("a folder not even root can write")
            << "/proc/Quellfin.pdf" << false << ENOENT;
        QTest::newRow("file size limit halfway, over an old file") << "old.pdf" << true << EFBIG;
    }
    void failedSaveShowsWhyAndLeavesNoFile() {
        QFETCH(QString, target);
        QFETCH(bool, tooLarge);
        QFETCH(int, error);
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("plain") == 5);
        plain.close();
        QFile old(dir.filePath(QStringLiteral("old.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old content") == 11);
        old.close();
        const QStringList before = Files(dir.path());
        const QString path = QDir::isAbsolutePath(target) ? target : dir.filePath(target);
        const QString report = memo();
        const long runs = window->form().runCount();

        saveTo(path);
        QString message;
        AnswerNextMessageBox(&message);
        rlimit saved{};
        if (tooLarge) { // every write past 4 KiB fails with "File too large"
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        const bool saved_ok = window->printer().saveAsPdf();
        if (tooLarge) {
            setrlimit(RLIMIT_FSIZE, &saved);
        }
        QVERIFY(!saved_ok);

        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QCOMPARE(message.section(QStringLiteral("\n\n"), 1), qt_error_string(error));
        QCOMPARE(Files(dir.path()), before);
        QVERIFY(!QFile::exists(path) || tooLarge);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content"));
        QCOMPARE(memo(), report);
        QCOMPARE(window->form().runCount(), runs);
    }

    // Memo1's menu keeps the text edit's own entries and adds printing; Ctrl+P prints from any
    // field; the menu bar stays as it is.
    void reportMenuAndShortcut_data() {
        QTest::addColumn<bool>("shiftF10");
        QTest::newRow("right button or Menu key") << false;
        QTest::newRow("Shift+F10") << true;
    }
    void reportMenuAndShortcut() {
        QFETCH(bool, shiftF10);
        auto* memo = window->findChild<QPlainTextEdit*>("Memo1");
        memo->setFocus();
        if (shiftF10) {
            QTest::keyClick(memo, Qt::Key_F10, Qt::ShiftModifier);
        } else { // what the platform makes of a right click or the Menu key
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(10, 10),
                                    memo->viewport()->mapToGlobal(QPoint(10, 10)));
            QApplication::sendEvent(memo->viewport(), &event);
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                entries << (action->objectName().isEmpty() ? action->text() : action->objectName());
            }
        }
        QCOMPARE(entries,
                 (QStringList{"edit-copy", "select-all", "PrintReport", "SaveReportAsPdf"}));
        QCOMPARE(window->printer().printAction()->text(), QStringLiteral("Imprimir…"));
        QCOMPARE(window->printer().printAction()->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(window->printer().savePdfAction()->text(), QStringLiteral("Salvar como PDF…"));
        menu->close();

        printTo(folder.filePath(QStringLiteral("shortcut.pdf")));
        const long runs = window->form().runCount();
        for (const char* name : {"Memo1", "steklo", "riba", "RadioButton2"}) {
            window->findChild<QWidget*>(QLatin1String(name))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        }
        QCOMPARE(printDialogs, 4);
        QCOMPARE(window->form().runCount(), runs);

        const auto barActions = window->findChild<QMenuBar*>("MenuBar1")->findChildren<QAction*>();
        for (const QAction* action : barActions) {
            QVERIFY(action != window->printer().printAction());
            QVERIFY(action != window->printer().savePdfAction());
        }
    }
};

int RunPrintingTests(int argc, char** argv) {
    PrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "printing_test.moc"
