#include "floor_form.hpp"

#include "floor_report.hpp" // the report of the stored defaults, written by quellfin-report
#include "menu.hpp"
#include "quellfin/fields.hpp"
#include "widgets.hpp"
#include "window_layout.hpp"

#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <map>

namespace quellfin::bench {

namespace {

using namespace quellfin::shell;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect Rect(const Box& b) {
    return {b.x, b.y, b.width, b.height};
}

void AddMenuBar(QWidget* window) {
    auto* bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    bar->setGeometry(Rect(kMenuBar));
    std::map<std::string_view, QMenu*> menus;
    QActionGroup* languages = nullptr;
    for (const MenuEntry& e : kMenu) {
        QWidget* parent = e.parent.empty() ? static_cast<QWidget*>(bar) : menus.at(e.parent);
        const bool opensSubmenu = std::any_of(
            kMenu.begin(), kMenu.end(), [&](const MenuEntry& m) { return m.parent == e.name; });
        QAction* action = nullptr;
        if (opensSubmenu) {
            auto* menu = new QMenu(Text(e.caption), parent);
            menus[e.name] = menu;
            action = menu->menuAction();
        } else {
            action = new QAction(Text(e.caption), parent);
        }
        action->setEnabled(e.enabled);
        if (!e.shortcut.empty()) {
            action->setShortcut(QKeySequence(Text(e.shortcut)));
        }
        if (e.radioGroup != 0) {
            if (languages == nullptr) {
                languages = new QActionGroup(parent);
            }
            action->setCheckable(true);
            action->setChecked(e.checked);
            languages->addAction(action);
        }
        parent->addAction(action);
    }
}

} // namespace

std::unique_ptr<QWidget> FloorForm() {
    auto window = std::make_unique<QWidget>(
        nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
    window->setWindowTitle(Text(kCaption));
    window->setFixedSize(kClientWidth, kClientHeight);
    QFont uiFont = window->font();
    uiFont.setPixelSize(kFontPixelSize);
    window->setFont(uiFont);

    AddMenuBar(window.get());

    std::map<std::string_view, QGroupBox*> groups;
    for (const GroupLayout& g : kGroups) {
        auto* group = new QGroupBox(Text(g.caption), window.get());
        group->setGeometry(Rect(g.box));
        groups[g.name] = group;
    }
    for (const ControlLayout& c : kControls) {
        QGroupBox* group = groups.at(c.group);
        const auto input = std::find_if(kInputs.begin(), kInputs.end(),
                                        [&](const InputDefinition& d) { return d.name == c.name; });
        const auto choice =
            std::find_if(kChoices.begin(), kChoices.end(),
                         [&](const ChoiceDefinition& d) { return d.name == c.name; });
        const std::string_view caption = input != kInputs.end() ? input->label : choice->label;
        auto* label = new QLabel(Text(caption), group);
        label->setGeometry(Rect(c.labelBox));
        label->resize(std::max(c.labelBox.width, label->sizeHint().width()), c.labelBox.height);
        if (input != kInputs.end()) {
            auto* edit = new QLineEdit(
                QString::number(input->defaultValue, 'f', input->decimalDigits), group);
            edit->setAlignment(Qt::AlignCenter);
            edit->setGeometry(Rect(c.box));
            if (input->id == InputId::steklo) { // the glass check's icon is a widget too
                edit->addAction(QIcon(QStringLiteral(":/quellfin/glass-low.svg")),
                                QLineEdit::TrailingPosition);
            }
        } else {
            auto* list = new QComboBox(group);
            for (const std::string_view item : choice->items) {
                list->addItem(Text(item));
            }
            list->setCurrentIndex(choice->defaultIndex);
            list->setGeometry(Rect(c.box));
        }
    }
    QGroupBox* construction = groups.at(kConstructionGroup);
    for (std::size_t i = 0; i < kRadioButtons.size(); ++i) {
        auto* radio = new QRadioButton(Text(kRadios[i].text), construction);
        radio->setChecked(kRadios[i].defaultChecked);
        radio->setGeometry(Rect(kRadioButtons[i].box));
    }
    for (const PictureLayout& p : kPictures) {
        // Our own picture widget, with renderings cached apart from the window's.
        (new PictureBox(Text(p.resource), construction, QStringLiteral("floor ")))
            ->setGeometry(Rect(p.box));
    }

    auto* memo = new QPlainTextEdit(window.get());
    memo->setGeometry(Rect(kMemo));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setPlainText(Text(kFloorReport));
    return window;
}

} // namespace quellfin::bench
