#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quellfin {

// A drop-down list of fixed entries with one entry always selected.
class ChoiceList {
public:
    ChoiceList(std::span<const std::string_view> items, int selected);

    ChoiceList(const ChoiceList&) = delete;
    ChoiceList& operator=(const ChoiceList&) = delete;

    [[nodiscard]] int itemIndex() const noexcept { return index_; }
    [[nodiscard]] int count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] const std::string& selectedText() const { return items_[index_]; }
    [[nodiscard]] const std::vector<std::string>& items() const noexcept { return items_; }

    // Selects an entry; fires the change notification only when the selection moves. An index
    // outside the list is ignored. Returns whether the selection moved.
    bool select(int index);

    // Where a navigation key would take the selection (never wrapping). Page keys move by
    // kPageStep entries; a letter selects the first entry that begins with it, case-insensitively.
    static constexpr int kPageStep = 8;
    enum class Move { Previous, Next, First, Last, PageBack, PageForward };
    [[nodiscard]] int indexAfter(Move move) const noexcept;
    [[nodiscard]] int indexForLetter(char32_t letter) const noexcept; // -1 when none

    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    std::vector<std::string> items_;
    int index_;
    std::function<void()> onChange_;
};

// Folds the case of a letter from the Latin and Cyrillic alphabets (enough for list entries).
char32_t FoldCase(char32_t c) noexcept;

} // namespace quellfin
