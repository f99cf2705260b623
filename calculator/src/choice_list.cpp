#include "quellfin/choice_list.hpp"

#include "quellfin/separators.hpp"

#include <algorithm>

namespace quellfin {

ChoiceList::ChoiceList(std::span<const std::string_view> items, int selected)
    : items_(items.begin(), items.end()),
      index_(std::clamp(selected, 0, static_cast<int>(items.size()) - 1)) {}

bool ChoiceList::select(int index) {
    if (index < 0 || index >= count() || index == index_) {
        return false;
    }
    index_ = index;
    if (onChange_) {
        onChange_();
    }
    return true;
}

int ChoiceList::indexAfter(Move move) const noexcept {
    const int last = count() - 1;
    switch (move) {
    case Move::Previous:
        return std::max(index_ - 1, 0);
    case Move::Next:
        return std::min(index_ + 1, last);
    case Move::First:
        return 0;
    case Move::Last:
        return last;
    case Move::PageBack:
        return std::max(index_ - kPageStep, 0);
    case Move::PageForward:
        return std::min(index_ + kPageStep, last);
    }
    return index_;
}

char32_t FoldCase(char32_t c) noexcept {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

int ChoiceList::indexForLetter(char32_t letter) const noexcept {
    const char32_t wanted = FoldCase(letter);
    for (int i = 0; i < count(); ++i) {
        const std::string& text = items_[i];
        if (!text.empty() && FoldCase(DecodeUtf8(text, 0).value) == wanted) {
            return i;
        }
    }
    return -1;
}

} // namespace quellfin
