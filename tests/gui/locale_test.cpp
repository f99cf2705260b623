// The window and quellfin-report take the decimal and thousands separators from one place, the
// user's locale. For each locale of a table, the real window (this program started again under
// LANG and LC_ALL, offscreen) and the real tool (a process under the same locale) are given the
// same length typed with those separators; the window's field, its report and the tool's report
// must agree, with the separators the locale has.

#include "MainForm1.hpp"
#include "application.hpp"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

using namespace quellfin;
using namespace quellfin::shell;

namespace {

constexpr char kWindowMode[] = "--window";

// Child: the window under the locale it was started with. Types TEXT into the length field and
// presses Enter; with a second locale name, switches to it and sends the window a LocaleChange.
// Prints the field's text, then the report the window shows.
int ShowWindow(int argc, char** argv) {
    Application app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    TMainForm window;
    window.show();
    auto* length = window.findChild<QLineEdit*>(QStringLiteral("dlina"));
    QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : args.value(2)) { // keyClicks() takes ASCII only
        QTest::sendKeyEvent(QTest::Click, length, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(length, Qt::Key_Return);
    if (const QString later = args.value(3); !later.isEmpty()) {
        qputenv("LANG", later.toUtf8());
        qputenv("LC_ALL", later.toUtf8());
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(&window, &change);
    }
    const QString memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    std::fputs((length->text() + QLatin1Char('\n') + memo + QLatin1Char('\n')).toUtf8(), stdout);
    return 0;
}

struct Run {
    int status;
    QString out;
};

Run Start(const QString& program, const QStringList& args, const QString& locale) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_"))) {
            env.remove(name);
        }
    }
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

bool LocaleExists(const QString& name) {
    if (name == QLatin1String("C")) {
        return true;
    }
    const locale_t l = newlocale(LC_ALL_MASK, name.toUtf8().constData(), static_cast<locale_t>(0));
    if (l != static_cast<locale_t>(0)) {
        freelocale(l);
    }
    return l != static_cast<locale_t>(0);
}

} // namespace

class LocaleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowAndToolAgree_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");   // 1000.5 as the user types it into the window
        QTest::addColumn<QString>("later");   // the locale the window is then switched to, if any
        QTest::addColumn<QString>("decimal"); // the separators of the last locale
        QTest::addColumn<QString>("thousands");
        const auto row = [](const char* name, const char* locale, const char* typed,
                            const char* later, const char* decimal, const char* thousands) {
            QTest::newRow(name) << QString::fromUtf8(locale) << QString::fromUtf8(typed)
                                << QString::fromUtf8(later) << QString::fromUtf8(decimal)
                                << QString::fromUtf8(thousands);
        };
        row("de_DE", "de_DE.UTF-8", "1.000,5", "", ",", ".");
        row("fr_FR", "fr_FR.UTF-8", "1\u202F000,5", "", ",", "\u202F"); // narrow no-break space
        row("ar_EG", "ar_EG.UTF-8", "1,000.5", "", ".", ",");
        row("fa_IR", "fa_IR.UTF-8", "1,000.5", "", ".", ",");
        row("C", "C", "1,000.5", "", ".", ",");
        row("unknown name", "xx_YY.UTF-8", "1,000.5", "", ".", ",");
        row("de_DE, then fr_FR", "de_DE.UTF-8", "1.000,5", "fr_FR.UTF-8", ",", "\u202F");
        row("fr_FR, then C", "fr_FR.UTF-8", "1\u202F000,5", "C", ".", ",");
    }
    void windowAndToolAgree() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, later);
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        const QString last = later.isEmpty() ? locale : later;
        for (const QString& name : {locale, last}) {
            if (!name.startsWith(QLatin1String("xx_")) && !LocaleExists(name)) {
                QFAIL(
                    qPrintable(name + QLatin1String(" is missing: scripts/install-deps makes it")));
            }
        }

        QStringList windowArgs{QLatin1String(kWindowMode), typed};
        if (!later.isEmpty()) {
            windowArgs << later;
        }
        const Run window = Start(QCoreApplication::applicationFilePath(), windowArgs, locale);
        QCOMPARE(window.status, 0);
        const QString tool = QStringLiteral(QUELLFIN_REPORT_TOOL);
        const Run report = Start(tool,
                                 {QStringLiteral("dlina=1") + thousands + QStringLiteral("000") +
                                  decimal + QStringLiteral("5")},
                                 last);
        QCOMPARE(report.status, 0);

        const qsizetype newline = window.out.indexOf(QLatin1Char('\n'));
        const QString field = window.out.left(newline);
        const QString windowReport = window.out.mid(newline + 1);
        QCOMPARE(field, QStringLiteral("1000") + decimal + QStringLiteral("50"));
        const QString line = QStringLiteral("Vidro de fundo: 1000") + decimal +
                             QStringLiteral("5 x 30 cm - 1 unidade");
        QCOMPARE(windowReport.split(QLatin1Char('\n')).value(1), line);
        QCOMPARE(report.out.split(QLatin1Char('\n')).value(1), line);
        QCOMPARE(windowReport, report.out); // all 37 lines
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && qstrcmp(argv[1], kWindowMode) == 0) {
        return ShowWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    LocaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
