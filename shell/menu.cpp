#include "menu.hpp"

#include "qt_text.hpp"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <map>

namespace quellfin::shell {

namespace {

bool OpensSubmenu(std::string_view name) {
    for (const MenuEntry& e : kMenu) {
        if (e.parent == name) {
            return true;
        }
    }
    return false;
}

std::string_view LinkOf(std::string_view name) {
    for (const Link& link : kLinks) {
        if (link.entry == name) {
            return link.url;
        }
    }
    return {};
}

} // namespace

QMenuBar* BuildMenuBar(QWidget* window, const MenuHandlers& handlers) {
    auto* bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    std::map<std::string_view, QMenu*> menus;
    std::map<int, QActionGroup*> radioGroups;

    for (const MenuEntry& e : kMenu) {
        QWidget* parentWidget = e.parent.empty() ? static_cast<QWidget*>(bar) : menus.at(e.parent);
        QAction* action = nullptr;
        if (OpensSubmenu(e.name)) {
            auto* menu = new QMenu(ToQString(e.caption), parentWidget);
            menu->setObjectName(ToQString(e.name) + QStringLiteral("Menu"));
            menus[e.name] = menu;
            action = menu->menuAction();
        } else {
            action = new QAction(ToQString(e.caption), parentWidget);
        }
        action->setObjectName(ToQString(e.name));
        action->setEnabled(e.enabled);
        if (!e.shortcut.empty()) {
            action->setShortcut(QKeySequence(ToQString(e.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            window->addAction(action); // reachable while the menus are closed
        }
        if (e.radioGroup != 0) {
            QActionGroup*& group = radioGroups[e.radioGroup];
            if (group == nullptr) {
                group = new QActionGroup(parentWidget);
            }
            action->setCheckable(true);
            action->setChecked(e.checked);
            group->addAction(action);
        }
        if (e.name == kQuitEntry) {
            QObject::connect(action, &QAction::triggered, window,
                             [quit = handlers.quit] { quit(); });
        } else if (const std::string_view url = LinkOf(e.name); !url.empty()) {
            QObject::connect(action, &QAction::triggered, window,
                             [open = handlers.openLink, url] { open(url); });
        }
        parentWidget->addAction(action);
    }
    return bar;
}

} // namespace quellfin::shell
