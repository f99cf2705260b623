#include "accessibility.hpp"

#include "qt_text.hpp"
#include "quellfin/fields.hpp"
#include "quellfin/glass_text.hpp"
#include "widgets.hpp"
#include "window_layout.hpp"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QWidget>

namespace quellfin::shell {

namespace {

// Qt announces a checkable button as a radio button only when it is auto-exclusive; ours leave
// exclusivity to the form, so Qt would announce them as check boxes.
class RadioButtonAccessible : public QAccessibleWidget {
public:
    explicit RadioButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->click(); // as a mouse click: the form decides what follows
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// On Linux Qt gives a list the name of its current entry and leaves the label to a relation; a
// screen reader should hear the label's text as the name, and the entry as the value.
class ChoiceListAccessible : public QAccessibleWidget {
public:
    explicit ChoiceListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    // The one child is the drop-down's list of entries.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible()) {
                list()->hidePopup();
            } else {
                list()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* RolesFactory(const QString& /*className*/, QObject* object) {
    if (auto* radio = dynamic_cast<RadioBox*>(object)) {
        return new RadioButtonAccessible(radio);
    }
    if (auto* list = dynamic_cast<ChoiceBox*>(object)) {
        return new ChoiceListAccessible(list);
    }
    if (auto* picture = dynamic_cast<PictureBox*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    return nullptr;
}

// A component's accessible object can be made while the component is still being built (Qt asks
// for it when a button's text is set, say); it then has the role of the Qt class and keeps it.
// Dropping it lets the next query make the right one.
void RemakeAccessible(QWidget* widget) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

// With the list named by its label, a screen reader finds the current entry as the selected item
// of the drop-down (which Qt otherwise selects only while it is open). The drop-down is built on
// first use and costs a third of the window's start, so it is only touched while accessibility is
// active: from then on every change of entry is mirrored, and at activation every list catches up.
bool& ToldActive() {
    static bool active = false; // as the platform last told the activation observer
    return active;
}

void SelectEntryInDropDown(QComboBox* list) {
    if (!ToldActive() && !QAccessible::isActive()) {
        return;
    }
    list->view()->selectionModel()->setCurrentIndex(
        list->model()->index(list->currentIndex(), list->modelColumn(), list->rootModelIndex()),
        QItemSelectionModel::ClearAndSelect);
}

void ShowEntryAsSelected(QComboBox* list) {
    SelectEntryInDropDown(list);
    QObject::connect(list, &QComboBox::currentIndexChanged, list,
                     [list] { SelectEntryInDropDown(list); });
}

class ListsCatchUp : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        ToldActive() = active;
        if (!active) {
            return;
        }
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* list = dynamic_cast<ChoiceBox*>(widget)) {
                SelectEntryInDropDown(list);
            }
        }
    }
};

} // namespace

std::vector<AccessibleText> AccessibleTexts() {
    std::vector<AccessibleText> texts;
    for (const InputDefinition& d : kInputs) {
        texts.push_back({d.name, d.label, {}});
    }
    for (const ChoiceDefinition& d : kChoices) {
        texts.push_back({d.name, d.label, {}});
    }
    for (const RadioDefinition& d : kRadios) {
        texts.push_back({d.name, d.text, {}});
    }
    for (const PictureDescription& p : kPictureDescriptions) {
        texts.push_back({p.name, p.title, p.description});
    }
    texts.push_back({kMemoName, kReportAccessibleName, kReportAccessibleDescription});
    return texts;
}

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(RolesFactory);
        static ListsCatchUp catchUp;
        QAccessible::installActivationObserver(&catchUp);
        return true;
    }();
    (void)installed;
}

void DescribeForScreenReaders(QWidget* window) {
    InstallAccessibleRoles();
    for (auto* widget : window->findChildren<QWidget*>()) {
        if (dynamic_cast<RadioBox*>(widget) != nullptr ||
            dynamic_cast<PictureBox*>(widget) != nullptr) {
            RemakeAccessible(widget);
        }
        if (auto* list = dynamic_cast<ChoiceBox*>(widget)) {
            RemakeAccessible(list);
            ShowEntryAsSelected(list);
        }
    }
    for (const AccessibleText& t : AccessibleTexts()) {
        if (auto* widget = window->findChild<QWidget*>(ToQString(t.component))) {
            widget->setAccessibleName(ToQString(t.name));
            if (!t.description.empty()) {
                widget->setAccessibleDescription(ToQString(t.description));
            }
        }
    }
    for (const ControlLayout& c : kControls) {
        auto* label = window->findChild<QLabel*>(ToQString(c.label));
        auto* field = window->findChild<QWidget*>(ToQString(c.name));
        if (label != nullptr && field != nullptr) {
            label->setBuddy(field);
        }
    }
}

void DescribeGlassVerdict(QWidget* icon, const GlassCheck& check, char32_t decimal) {
    icon->setAccessibleName(QStringLiteral("Verificação do vidro"));
    icon->setAccessibleDescription(ToQString(StatusText(check.status)) + QStringLiteral(". ") +
                                   ToQString(GlassSummary(check, decimal)));
}

} // namespace quellfin::shell
