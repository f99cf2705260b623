#include "quellfin/form_state.hpp"

#include <type_traits>

namespace quellfin {

FormState::FormState(Separators separators) : separators_(separators), fields_(separators_) {
    const auto recalculate = [this] { CalcularClick(); };
    for (const InputDefinition& input : kInputs) {
        fields_.input(input.id).setOnChange(recalculate);
    }
    for (const ChoiceDefinition& choice : kChoices) {
        fields_.choice(choice.id).setOnChange(recalculate);
    }
    CalcularClick();
}

void FormState::CalcularClick() {
    quantities_ = Calculate(fields_);
    BuildReport(report_, fields_, quantities_, separators_.decimal);
    ++runs_;
    for (const auto& observer : observers_) {
        observer();
    }
}

void FormState::setSeparators(Separators separators) {
    if (separators == separators_) {
        return;
    }
    separators_ = separators;
    for (const InputDefinition& input : kInputs) {
        fields_.input(input.id).refreshText();
    }
    for (const ResultDefinition& result : kResults) {
        fields_.result(result.id).refreshText();
    }
    BuildReport(report_, fields_, quantities_, separators_.decimal);
    for (const auto& observer : observers_) {
        observer();
    }
}

void FormState::enterText(InputId id, std::string_view text) {
    apply(EditText{id, std::string(text)});
    apply(CommitInput{id});
}

void FormState::apply(const UserAction& action) {
    if (recorder_) {
        recorder_(action);
    }
    std::visit(
        [this](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, EditText>) {
                fields_.input(a.id).setText(a.text);
            } else if constexpr (std::is_same_v<A, CommitInput>) {
                fields_.input(a.id).commitIfEdited();
            } else if constexpr (std::is_same_v<A, RevertInput>) {
                fields_.input(a.id).revert();
            } else if constexpr (std::is_same_v<A, TakeOverInput>) {
                fields_.input(a.id).takeOver();
            } else if constexpr (std::is_same_v<A, SelectEntry>) {
                fields_.choice(a.id).select(a.index);
            } else if constexpr (std::is_same_v<A, ClickRadio>) {
                click(a.id);
            } else if constexpr (std::is_same_v<A, DoubleClickRadio>) {
                CalcularClick();
            } else if constexpr (std::is_same_v<A, SpaceOnRadio>) {
                if (!fields_.isChecked(a.id)) {
                    click(a.id);
                }
            }
        },
        action);
}

void FormState::click(RadioId id) {
    CalcularClick(); // the clicked button's click, before the selection moves
    if (fields_.isChecked(id)) {
        return;
    }
    fields_.RadioButton1Checked = id == RadioId::RadioButton1;
    CalcularClick(); // the change of the button that lost the selection
    CalcularClick(); // the change of the button that gained it
}

} // namespace quellfin
