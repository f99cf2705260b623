#pragma once

#include "quellfin/separators.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace quellfin {

enum class ValueType { Integer, Float };

struct FieldSettings {
    ValueType valueType = ValueType::Integer;
    int decimalDigits = 2;
    double min = 0;
    double max = 100;
    double value = 0; // applied after every other setting is known
};

// Two numbers count as equal when they differ by at most 1e-12 relative to the smaller magnitude,
// and at least by 1e-12 absolute.
bool SameValue(double a, double b) noexcept;

// Half of 10^-decimals, with 10^-decimals first rounded to single precision. Below this a store
// keeps the shown text as it is.
double DisplayTolerance(int decimals) noexcept;

// A number entry with a range, a value type and a shown text. Reading, storing, the text of a value
// and committing a text behave as the editing rules of the program require; a commit fires the
// change notification. The separators are shared with the owner and must outlive the field.
class NumberField {
public:
    NumberField(const FieldSettings& settings, const Separators& separators);

    NumberField(const NumberField&) = delete;
    NumberField& operator=(const NumberField&) = delete;

    // The value: a Float field gives the stored number, an Integer field its Round.
    [[nodiscard]] double value() const noexcept;
    // The stored number itself.
    [[nodiscard]] double storedNumber() const noexcept { return stored_; }

    // Stores x: held within the range, ignored when equal within the comparison tolerance, and
    // when it moves the value by more than the display tolerance the text is rewritten and, if
    // it then differs from the last committed text, committed.
    void store(double x);

    [[nodiscard]] const std::string& text() const noexcept { return text_; }
    [[nodiscard]] const std::string& committedText() const noexcept { return committedText_; }
    [[nodiscard]] bool isEdited() const noexcept { return text_ != committedText_; }

    // The user's editing: replaces the shown text; fires nothing.
    void setText(std::string_view text);
    // Enter or leaving the field: commits the shown text when it differs from the last commit.
    bool commitIfEdited();
    // Escape: shows the text of the stored value again.
    void revert();
    // Up/Down or the wheel: take the typed text over as a number without rounding it.
    void takeOver();

    // The text that stands for v in this field.
    [[nodiscard]] std::string textOf(double v) const;

    // Redraws the texts with the current separators, unless the user has uncommitted edits.
    void refreshText();

    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void commit(std::string_view text);
    void storeWithinRange(double x); // steps 1 to 4 of a store: held, compared, kept
    [[nodiscard]] double parsedOrStored(std::string_view text) const;

    FieldSettings settings_;
    const Separators* separators_;
    double stored_ = 0;
    std::string text_;
    std::string committedText_;
    std::function<void()> onChange_;
};

} // namespace quellfin
