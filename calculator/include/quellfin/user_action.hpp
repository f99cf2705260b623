#pragma once

#include "quellfin/fields.hpp"

#include <string>
#include <variant>

namespace quellfin {

// What a user can do to the calculator's inputs, as the form state sees it. A view turns its events
// into these; a log of them replays the same session on another form.
struct EditText { // typing, deleting or pasting: the input now shows `text`
    InputId id;
    std::string text;
};
struct CommitInput { // Enter, or leaving the input
    InputId id;
};
struct RevertInput { // Escape
    InputId id;
};
struct TakeOverInput { // Up, Down or the wheel over the input
    InputId id;
};
struct SelectEntry { // any way of moving a choice list's selection
    ChoiceId id;
    int index;
};
struct ClickRadio {
    RadioId id;
};
struct DoubleClickRadio { // the second press of a double click
    RadioId id;
};
struct SpaceOnRadio {
    RadioId id;
};

using UserAction = std::variant<EditText, CommitInput, RevertInput, TakeOverInput, SelectEntry,
                                ClickRadio, DoubleClickRadio, SpaceOnRadio>;

} // namespace quellfin
