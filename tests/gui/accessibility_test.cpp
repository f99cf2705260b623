#include "MainForm1.hpp"
#include "accessibility.hpp"
#include "window_layout.hpp"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>
#include <utility>

using namespace quellfin;
using namespace quellfin::shell;

namespace {

// The roles of the shared table (named as AT-SPI names them) in Qt's terms.
const std::map<QString, QAccessible::Role> kRoles{
    {QStringLiteral("text"), QAccessible::EditableText},
    {QStringLiteral("combo box"), QAccessible::ComboBox},
    {QStringLiteral("radio button"), QAccessible::RadioButton},
    {QStringLiteral("image"), QAccessible::Graphic},
};

QJsonArray ExpectedNames() {
    QFile file(QStringLiteral(QUELLFIN_ACCESSIBLE_NAMES));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", QUELLFIN_ACCESSIBLE_NAMES);
    }
    return QJsonDocument::fromJson(file.readAll()).array();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMainForm> window;

    QAccessibleInterface* accessible(const QString& name) const {
        auto* widget = window->findChild<QWidget*>(name);
        if (widget == nullptr) {
            qFatal("no component named %s", qPrintable(name));
        }
        return QAccessible::queryAccessibleInterface(widget);
    }

private Q_SLOTS:
    void init() {
        window = std::make_unique<TMainForm>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void everyComponentIsAnnouncedByItsLabelAndRole() {
        const QJsonArray table = ExpectedNames();
        // Every number box and list, both buttons, both pictures and the report.
        QCOMPARE(table.size(), qsizetype(kInputCount + kChoiceCount + 2 + 2 + 1));
        QCOMPARE(table.size(), static_cast<qsizetype>(AccessibleTexts().size()));
        QSet<QString> names;
        for (const QJsonValue& row : table) {
            const QString component = row[QLatin1String("component")].toString();
            QAccessibleInterface* iface = accessible(component);
            QVERIFY2(iface != nullptr, qPrintable(component));
            QCOMPARE(iface->text(QAccessible::Name), row[QLatin1String("name")].toString());
            QCOMPARE(iface->role(), kRoles.at(row[QLatin1String("role")].toString()));
            if (row.toObject().contains(QLatin1String("description"))) {
                QCOMPARE(iface->text(QAccessible::Description),
                         row[QLatin1String("description")].toString());
            }
            if (row.toObject().contains(QLatin1String("value"))) {
                QCOMPARE(iface->text(QAccessible::Value), row[QLatin1String("value")].toString());
            }
            names << iface->text(QAccessible::Name);
        }
        QCOMPARE(names.size(), table.size()); // no two alike
    }

    void everyFieldIsLabelledByTheLabelAboveIt() {
        for (const ControlLayout& c : kControls) {
            auto* label = window->findChild<QLabel*>(QLatin1String(c.label.data()));
            const auto relations =
                accessible(QLatin1String(c.name.data()))->relations(QAccessible::Label);
            QVERIFY2(std::any_of(relations.begin(), relations.end(),
                                 [&](const auto& r) { return r.first->object() == label; }),
                     c.name.data());
        }
    }

    // Named by its label, a list says its entry as the value and as the selected item of its
    // drop-down, and both follow the keys. The window was built before a screen reader came: the
    // lists catch up when accessibility becomes active.
    void listsSayTheirEntry() {
        QAccessible::setActive(true);
        const auto inactiveAgain = qScopeGuard([] { QAccessible::setActive(false); });
        auto* riba = window->findChild<QComboBox*>(QStringLiteral("riba"));
        riba->setFocus();
        QAccessibleInterface* iface = accessible(QStringLiteral("riba"));
        const auto selected = [iface] {
            QStringList entries;
            QAccessibleInterface* list = iface->child(0);
            for (int i = 0; i < list->childCount(); ++i) {
                if (list->child(i)->state().selected) {
                    entries << list->child(i)->text(QAccessible::Name);
                }
            }
            return entries;
        };
        QCOMPARE(selected(), QStringList{QStringLiteral("Médio")});
        for (const auto& [key, entry] :
             {std::pair{Qt::Key_Home, "Somente plantas"}, std::pair{Qt::Key_Down, "Muito pouco"},
              std::pair{Qt::Key_End, "Muito"}}) {
            QTest::keyClick(riba, key);
            QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Animais"));
            QCOMPARE(iface->text(QAccessible::Value), QString::fromUtf8(entry));
            QCOMPARE(selected(), QStringList{QString::fromUtf8(entry)});
        }
        QCOMPARE(iface->childCount(), 1);
        QCOMPARE(iface->indexOfChild(iface->child(0)), 0);
    }

    void constructionButtonsActAsRadioButtons() {
        auto* first = window->findChild<QRadioButton*>(QStringLiteral("RadioButton1"));
        auto* second = window->findChild<QRadioButton*>(QStringLiteral("RadioButton2"));
        QVERIFY(!first->autoExclusive()); // the form keeps them exclusive, in its own order
        QAccessibleInterface* a = accessible(QStringLiteral("RadioButton1"));
        QAccessibleInterface* b = accessible(QStringLiteral("RadioButton2"));
        QVERIFY(a->state().checkable && a->state().checked);
        QVERIFY(b->state().checkable && !b->state().checked);
        QVERIFY(b->state().focusable);

        // A screen reader's "press" is a click: the click and both changes, three runs.
        const long runs = window->form().runCount();
        QVERIFY(b->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        b->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window->form().runCount(), runs + 3);
        QVERIFY(second->isChecked() && !first->isChecked());
        QVERIFY(b->state().checked && !a->state().checked);
    }

    void glassVerdictIsTheIconsDescription() {
        QWidget icon;
        DescribeGlassVerdict(
            &icon, CheckGlass(window->form().fields(), window->form().quantities(), GlassOptions{}),
            U',');
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&icon);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Verificação do vidro"));
        // The default tank: its front pane is too thin for the target.
        QCOMPARE(iface->text(QAccessible::Description),
                 QStringLiteral("Fator de segurança baixo. Fator de segurança 2,3 (mínimo 3,8): "
                                "use vidro de 6 mm"));
    }
};

int RunAccessibilityTests(int argc, char** argv) {
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "accessibility_test.moc"
