#include "quellfin/number_field.hpp"

#include "quellfin/number_text.hpp"
#include "quellfin/round.hpp"

#include <algorithm>
#include <cmath>

namespace quellfin {

bool SameValue(double a, double b) noexcept {
    constexpr double kEpsilon = 1e-12;
    const double tolerance = std::max(std::min(std::fabs(a), std::fabs(b)) * kEpsilon, kEpsilon);
    return std::fabs(a - b) <= tolerance;
}

double DisplayTolerance(int decimals) noexcept {
    const auto step = static_cast<float>(std::pow(10.0, -std::max(decimals, 0)));
    return static_cast<double>(step) / 2;
}

NumberField::NumberField(const FieldSettings& settings, const Separators& separators)
    : settings_(settings), separators_(&separators) {
    settings_.decimalDigits = std::max(settings_.decimalDigits, 0);
    stored_ = std::clamp(settings.value, settings_.min, settings_.max);
    text_ = textOf(stored_);
    committedText_ = text_;
}

double NumberField::value() const noexcept {
    if (settings_.valueType == ValueType::Integer) {
        return static_cast<double>(Round(stored_));
    }
    return stored_;
}

std::string NumberField::textOf(double v) const {
    if (settings_.valueType == ValueType::Integer) {
        return std::to_string(Round(v));
    }
    return FixedText(v, settings_.decimalDigits, separators_->decimal);
}

void NumberField::storeWithinRange(double x) {
    if (x == stored_) {
        return;
    }
    double v = x;
    if (!(v > settings_.min)) { // also NaN and minus infinity
        v = settings_.min;
    }
    if (v > settings_.max) {
        v = settings_.max;
    }
    if (SameValue(v, settings_.min)) {
        v = settings_.min;
    } else if (SameValue(v, settings_.max)) {
        v = settings_.max;
    }
    if (SameValue(v, stored_)) {
        return;
    }
    stored_ = v;
}

void NumberField::store(double x) {
    const double before = stored_;
    storeWithinRange(x);
    if (stored_ == before) {
        return;
    }
    const int decimals = settings_.decimalDigits;
    const bool moved = decimals < 15 ? std::fabs(stored_ - before) > DisplayTolerance(decimals)
                                     : !SameValue(stored_, before);
    if (!moved) {
        return;
    }
    text_ = textOf(stored_);
    if (isEdited()) {
        commit(text_);
    }
}

double NumberField::parsedOrStored(std::string_view text) const {
    double candidate = ParseNumber(text, *separators_).value_or(stored_);
    if (settings_.valueType == ValueType::Integer) {
        candidate = static_cast<double>(Round(candidate));
    }
    return candidate;
}

void NumberField::commit(std::string_view text) {
    // Copy first: the text may be our own, and it changes below.
    std::string typed = text.empty() ? textOf(settings_.min) : std::string(text);
    const double candidate = parsedOrStored(typed);
    storeWithinRange(parsedOrStored(textOf(candidate)));
    text_ = textOf(stored_);
    committedText_ = text_;
    if (onChange_) {
        onChange_();
    }
}

void NumberField::setText(std::string_view text) {
    text_.assign(text);
}

bool NumberField::commitIfEdited() {
    if (!isEdited()) {
        return false;
    }
    commit(text_);
    return true;
}

void NumberField::revert() {
    text_ = textOf(stored_);
}

void NumberField::takeOver() {
    double x = ParseNumber(text_, *separators_).value_or(stored_);
    if (settings_.valueType == ValueType::Integer) {
        x = static_cast<double>(Round(x));
    }
    store(x);
}

void NumberField::refreshText() {
    if (isEdited()) {
        return;
    }
    text_ = textOf(stored_);
    committedText_ = text_;
}

} // namespace quellfin
