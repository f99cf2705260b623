#include "quellfin/form_state.hpp"

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
    NumberField& field = fields_.input(id);
    field.setText(text);
    field.commitIfEdited();
}

void FormState::clickRadio(RadioId id) {
    CalcularClick(); // the clicked button's click, before the selection moves
    if (fields_.isChecked(id)) {
        return;
    }
    fields_.RadioButton1Checked = id == RadioId::RadioButton1;
    CalcularClick(); // the change of the button that lost the selection
    CalcularClick(); // the change of the button that gained it
}

void FormState::doubleClickRadio(RadioId /*id*/) {
    CalcularClick();
}

void FormState::pressSpaceOnRadio(RadioId id) {
    if (!fields_.isChecked(id)) {
        clickRadio(id);
    }
}

} // namespace quellfin
