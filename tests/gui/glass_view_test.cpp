// The glass check in the real window: the verdict icon and tooltip on the glass-thickness box
// follow every edit, the details window follows while open and closes with Escape, and none of it
// runs the recalculation.

#include "MainForm1.hpp"
#include "glass_view.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace quellfin;
using namespace quellfin::shell;

class GlassViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMainForm> window;
    long runsBefore = 0;

    long runs() const { return window->form().runCount() - runsBefore; }
    QLineEdit* steklo() const { return window->findChild<QLineEdit*>(QStringLiteral("steklo")); }
    QString decimal(const char* text) const {
        QString s = QString::fromUtf8(text);
        QString sep;
        sep.append(QChar(static_cast<char16_t>(window->form().separators().decimal)));
        return s.replace(QLatin1Char('.'), sep);
    }
    void enter(const char* name, const char* text) {
        auto* box = window->findChild<QLineEdit*>(QLatin1String(name));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, decimal(text));
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString verdict() const { return window->glassView().verdictAction()->text(); }
    GlassDetails* details() const { return window->glassView().details(); }
    QString cell(int row, int column) const {
        return details()
            ->findChild<QTableWidget*>(QStringLiteral("GlassTable"))
            ->item(row, column)
            ->text();
    }

private Q_SLOTS:
    void init() {
        window = std::make_unique<TMainForm>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        runsBefore = window->form().runCount();
    }
    void cleanup() { window.reset(); }

    void verdictIsThereAtStartAndFollowsEdits() {
        QCOMPARE(verdict(), QStringLiteral("Fator de segurança baixo"));
        QVERIFY(steklo()->toolTip().startsWith(
            decimal("Fator de segurança 2.3 (mínimo 3.8): use vidro de 6 mm")));
        QCOMPARE(window->glassView().verdictAction()->toolTip(), steklo()->toolTip());
        QVERIFY(steklo()->actions().contains(window->glassView().verdictAction()));
        // The icon is no stop of the Tab chain; a screen reader names it and reads the verdict.
        auto* icon = steklo()->findChild<QToolButton*>();
        QCOMPARE(icon->focusPolicy(), Qt::NoFocus);
        QCOMPARE(icon->accessibleName(), QStringLiteral("Verificação do vidro"));
        QVERIFY(icon->accessibleDescription().startsWith(
            QStringLiteral("Fator de segurança baixo. Fator de segurança ")));

        enter("steklo", "8");
        QCOMPARE(verdict(), QStringLiteral("Vidro adequado"));
        QVERIFY(icon->accessibleDescription().startsWith(QStringLiteral("Vidro adequado.")));
        QVERIFY(steklo()->toolTip().contains(QStringLiteral("basta vidro de 6 mm")));
        enter("steklo", "3");
        QCOMPARE(verdict(), QStringLiteral("Vidro inseguro"));
        enter("visota", "3"); // the water line lies below the bottom
        QCOMPARE(verdict(), QStringLiteral("Sem água"));
        QCOMPARE(runs(), 3); // one per commit, none of the check's own
    }

    void detailsFollowWhileOpenAndCloseWithEscape() {
        steklo()->setFocus();
        QTest::keyClick(steklo(), Qt::Key_F1);
        QVERIFY(details() != nullptr);
        QTRY_VERIFY(details()->isVisible());
        QCOMPARE(cell(0, 0), QStringLiteral("Frente/trás"));
        QCOMPARE(cell(0, 1), QStringLiteral("600 x 366"));
        QCOMPARE(cell(0, 3), decimal("2.3"));
        QCOMPARE(cell(2, 0), QStringLiteral("Fundo (informativo)"));

        window->form().enterText(InputId::dlina, "120");
        QCOMPARE(cell(0, 1), QStringLiteral("1200 x 366"));
        QCOMPARE(cell(0, 2), decimal("3.28"));

        QTest::keyClick(details(), Qt::Key_Escape);
        QVERIFY(!details()->isVisible());
        QCOMPARE(runs(), 1);
    }

    void theTopEdgeIsAChoiceForTheSessionBracedByDefault() {
        window->glassView().showDetails();
        auto* top = details()->findChild<QComboBox*>(QStringLiteral("GlassTopSupport"));
        QCOMPARE(top->currentText(), QStringLiteral("com travessas ou moldura"));
        QVERIFY(steklo()->toolTip().contains(QStringLiteral("topo com travessas ou moldura")));
        top->setCurrentIndex(top->findText(QStringLiteral("sem travessas (rimless)")));
        QCOMPARE(window->glassOptions().top, TopSupport::Rimless);
        QCOMPARE(verdict(), QStringLiteral("Vidro inseguro")); // SF 1.6
        QVERIFY(steklo()->toolTip().startsWith(
            decimal("Fator de segurança 1.6 (mínimo 3.8): use vidro de 8 mm")));
        QVERIFY(steklo()->toolTip().contains(QStringLiteral("sem travessas (rimless)")));
        details()->close();
        window->form().enterText(InputId::steklo, "8");
        QCOMPARE(window->glassView().check().options.top, TopSupport::Rimless);
        QCOMPARE(runs(), 1);
    }

    void theBottomsSupportIsAChoiceForTheSession() {
        window->glassView().showDetails();
        auto* support = details()->findChild<QComboBox*>(QStringLiteral("GlassBottomSupport"));
        support->setCurrentIndex(1); // only on its edges: the bottom (SF 1.5) decides
        QCOMPARE(window->glassOptions().bottom, BottomSupport::Edges);
        QCOMPARE(verdict(), QStringLiteral("Vidro inseguro"));
        QCOMPARE(cell(2, 0), QStringLiteral("Fundo"));
        details()->close();
        window->form().enterText(InputId::steklo, "10");
        QCOMPARE(window->glassView().check().options.bottom, BottomSupport::Edges);
        QCOMPARE(runs(), 1);
    }

    void contextMenuOffersTheDetails() {
        steklo()->setFocus();
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  steklo()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(steklo(), &request);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
        auto* entry = menu->findChild<QAction*>(QStringLiteral("GlassDetailsEntry"));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QStringLiteral("Verificação do vidro…"));
        entry->trigger();
        menu->close();
        QTRY_VERIFY(details() != nullptr && details()->isVisible());
        QCOMPARE(runs(), 0);
    }
};

int RunGlassViewTests(int argc, char** argv) {
    GlassViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "glass_view_test.moc"
