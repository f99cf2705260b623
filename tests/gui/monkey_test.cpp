// Ten thousand seeded random key presses (some with modifiers held), clicks and wheel turns over
// the window's inputs. A key held with a modifier never moves a list, save Shift with Home, End or
// a page key. The window must survive them and stay a faithful view of the calculator: the actions
// it handed to the form, replayed on a fresh headless form, give the report that Memo1 shows.

#include "MainForm1.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>
#include <random>
#include <vector>

using namespace quellfin;
using namespace quellfin::shell;

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomEventsKeepTheWindowFaithful() {
        std::vector<UserAction> actions; // outlives the window, which records into it
        TMainForm window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.form().setActionRecorder([&](const UserAction& a) { actions.push_back(a); });

        QList<QWidget*> targets;
        for (const char* name :
             {"dlina", "visota", "shirina", "steklo", "sloi", "zatirka", "grunt", "voda",
              "plotnost", "rastenia", "riba", "RadioButton1", "RadioButton2"}) {
            targets << window.findChild<QWidget*>(QLatin1String(name));
        }
        const QList<int> keys{
            Qt::Key_0,        Qt::Key_1,         Qt::Key_2,      Qt::Key_3,      Qt::Key_4,
            Qt::Key_5,        Qt::Key_6,         Qt::Key_7,      Qt::Key_8,      Qt::Key_9,
            Qt::Key_Period,   Qt::Key_Comma,     Qt::Key_Minus,  Qt::Key_Plus,   Qt::Key_E,
            Qt::Key_A,        Qt::Key_M,         Qt::Key_P,      Qt::Key_Return, Qt::Key_Enter,
            Qt::Key_Tab,      Qt::Key_Backtab,   Qt::Key_Escape, Qt::Key_Up,     Qt::Key_Down,
            Qt::Key_Left,     Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,    Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space};
        // Most keys come bare; the rest with one or two modifiers held.
        const QList<Qt::KeyboardModifiers> modifiers{Qt::NoModifier,
                                                     Qt::NoModifier,
                                                     Qt::NoModifier,
                                                     Qt::NoModifier,
                                                     Qt::NoModifier,
                                                     Qt::NoModifier,
                                                     Qt::ShiftModifier,
                                                     Qt::ShiftModifier,
                                                     Qt::ControlModifier,
                                                     Qt::AltModifier,
                                                     Qt::MetaModifier,
                                                     Qt::ControlModifier | Qt::ShiftModifier,
                                                     Qt::AltModifier | Qt::ShiftModifier};
        const QList<Qt::Key> pageKeys{Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};

        std::mt19937 random(20261211);
        const auto pick = [&](int n) {
            return std::uniform_int_distribution<int>(0, n - 1)(random);
        };
        for (int i = 0; i < 10000; ++i) {
            QWidget* target = targets[pick(static_cast<int>(targets.size()))];
            const bool isList = qobject_cast<QComboBox*>(target) != nullptr;
            switch (pick(10)) {
            case 0: { // a wheel turn over the target
                const QPointF at(target->width() / 2.0, target->height() / 2.0);
                QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(),
                                  QPoint(0, pick(2) == 0 ? -120 : 120), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(target, &wheel);
                break;
            }
            case 1: // a click (not on a list: its popup would take the following events)
                if (!isList) {
                    QTest::mouseClick(target, Qt::LeftButton);
                }
                break;
            case 2:
                if (!isList) {
                    QTest::mouseDClick(target, Qt::LeftButton);
                }
                break;
            default: { // a key, to the target or to whatever holds the focus
                if (pick(3) == 0) {
                    target->setFocus();
                }
                QWidget* receiver =
                    QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target;
                const auto key = static_cast<Qt::Key>(keys[pick(static_cast<int>(keys.size()))]);
                const Qt::KeyboardModifiers held =
                    modifiers[pick(static_cast<int>(modifiers.size()))];
                auto* list = qobject_cast<QComboBox*>(receiver);
                if (key == Qt::Key_Space && list != nullptr) {
                    break; // Space opens a list's popup
                }
                // A list moves with a modifier only for Shift with Home, End or a page key.
                const bool listStays = list != nullptr && held != Qt::NoModifier &&
                                       !(held == Qt::ShiftModifier && pageKeys.contains(key));
                const int entryBefore = list != nullptr ? list->currentIndex() : -1;
                const std::size_t actionsBefore = actions.size();
                QTest::keyClick(receiver, key, held);
                if (listStays) {
                    QCOMPARE(list->currentIndex(), entryBefore);
                    QCOMPARE(actions.size(), actionsBefore);
                }
                break;
            }
            }
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
            QVERIFY(window.isVisible());
        }

        FormState replayed(window.form().separators());
        for (const UserAction& action : actions) {
            replayed.apply(action);
        }
        QStringList lines;
        for (const std::string& line : replayed.report()) {
            lines << QString::fromStdString(line);
        }
        QCOMPARE(window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(),
                 lines.join(QLatin1Char('\n')));
        QVERIFY(actions.size() > 1000);
        for (const InputDefinition& d : kInputs) {
            QCOMPARE(window.findChild<QLineEdit*>(QLatin1String(d.name.data()))->text(),
                     QString::fromStdString(window.form().fields().input(d.id).text()));
        }
        qInfo("%zu actions reached the form", actions.size());
        // Closed as the program closes it: a field left edited commits while the window still
        // stands, not from inside its destructor.
        window.close();
    }
};

int RunMonkeyTests(int argc, char** argv) {
    MonkeyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "monkey_test.moc"
