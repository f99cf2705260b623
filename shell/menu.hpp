#pragma once

// The menu bar as data: every entry with its caption, state, shortcut and radio mark, and the web
// address of each link entry.

#include <array>
#include <functional>
#include <string_view>

class QMenuBar;
class QWidget;

namespace quellfin::shell {

struct MenuEntry {
    std::string_view name;
    std::string_view parent; // empty for the menus on the bar
    std::string_view caption;
    bool enabled = true;
    std::string_view shortcut = {};
    int radioGroup = 0; // 0: none
    bool checked = false;
};

// In display order; an entry that is some other entry's parent opens a submenu.
inline constexpr std::array<MenuEntry, 23> kMenu{{
    {"MenuItem1", "", "Menu"},
    {"MenuItem6", "MenuItem1", "Language", false},
    {"ENUS", "MenuItem6", "English", true, {}, 1, false},
    {"PTBR", "MenuItem6", "Português", true, {}, 1, true},
    {"ESES", "MenuItem6", "Español", true, {}, 1, false},
    {"RURU", "MenuItem6", "Русский", true, {}, 1, false},
    {"UAUA", "MenuItem6", "Український", true, {}, 1, false},
    {"MenuItem2", "MenuItem1", "Verificar uma nova versão do programa", false, "Ctrl+U"},
    {"MenuItem3", "MenuItem1", "Página do programa", false},
    {"MenuItem4", "MenuItem1", "Sobre o programa", false},
    {"MenuItem5", "MenuItem1", "Sair", true, "Alt+X"},
    {"MenuItem7", "", "Trellmar"},
    {"MenuItem8", "MenuItem7", "Web site oficial da Trellmar"},
    {"MenuItem18", "MenuItem7", "Página do aplicativo"},
    {"MenuItem9", "MenuItem7", "Redes sociais"},
    {"MenuItem10", "MenuItem9", "Instagram"},
    {"MenuItem11", "MenuItem9", "Twitter"},
    {"MenuItem12", "MenuItem9", "Thingiverse"},
    {"MenuItem13", "MenuItem9", "Pinterest"},
    {"MenuItem14", "MenuItem7", "Loja virtual"},
    {"MenuItem15", "MenuItem7", "Mercado Livre"},
    {"MenuItem16", "MenuItem7", "Shopee"},
    {"MenuItem17", "MenuItem7", "Suporte pelo WhatsApp"},
}};

inline constexpr std::string_view kQuitEntry = "MenuItem5";

struct Link {
    std::string_view entry;
    std::string_view url;
};

// Every address is fixed and secure; only the two home-page entries share one.
inline constexpr std::array<Link, 10> kLinks{{
    {"MenuItem8", "https://www.trellmar.com.br/"},
    {"MenuItem18", "https://www.trellmar.com.br/"},
    {"MenuItem10", "https://www.instagram.com/trellmar/"},
    {"MenuItem11", "https://twitter.com/trellmar"},
    {"MenuItem12", "https://www.thingiverse.com/trellmar/designs"},
    {"MenuItem13", "https://br.pinterest.com/trellmar/"},
    {"MenuItem14", "https://loja.trellmar.com.br/"},
    {"MenuItem15", "https://lista.mercadolivre.com.br/_CustId_418236507"},
    {"MenuItem16", "https://shopee.com.br/shop/736120459/"},
    {"MenuItem17", "https://api.whatsapp.com/send/?phone=5511940217386&text&app_absent=0"},
}};

// What choosing an entry does.
struct MenuHandlers {
    std::function<void()> quit;
    std::function<void(std::string_view url)> openLink;
};

// Builds the menu bar inside `window` (not the platform's own menu bar); entries are QActions named
// as in kMenu. Shortcuts work while the window is active.
QMenuBar* BuildMenuBar(QWidget* window, const MenuHandlers& handlers);

} // namespace quellfin::shell
