#pragma once

#include "quellfin/calculation.hpp"
#include "quellfin/fields.hpp"
#include "quellfin/report.hpp"
#include "quellfin/user_action.hpp"

#include <functional>
#include <string_view>
#include <vector>

namespace quellfin {

// The calculator as the window holds it: the fields with their defaults, the report, and the
// recalculation that every change of an input runs. A view binds its widgets to the fields and
// turns the user's actions into the calls below; everything that follows happens here.
class FormState {
public:
    // Builds the fields (no events while doing so), then runs the recalculation once, as the
    // window does when it is created.
    explicit FormState(Separators separators = {});

    FormState(const FormState&) = delete;
    FormState& operator=(const FormState&) = delete;

    [[nodiscard]] FieldSet& fields() noexcept { return fields_; }
    [[nodiscard]] const FieldSet& fields() const noexcept { return fields_; }
    [[nodiscard]] const Report& report() const noexcept { return report_; }
    [[nodiscard]] const Quantities& quantities() const noexcept { return quantities_; }
    [[nodiscard]] const Separators& separators() const noexcept { return separators_; }
    [[nodiscard]] long runCount() const noexcept { return runs_; }

    // New regional separators: the field texts that hold no uncommitted edit and the report are
    // rewritten with them. Nothing is recalculated.
    void setSeparators(Separators separators);

    // The recalculation handler: calculation, then the report. Observers are told afterwards.
    void CalcularClick();

    // Called whenever the report has been rewritten: after every run of CalcularClick, and after
    // new separators.
    void addReportObserver(std::function<void()> observer) {
        observers_.push_back(std::move(observer));
    }

    // Carries out one action of the user; every recalculation it causes happens inside.
    void apply(const UserAction& action);

    // Called with every action before it is carried out (to record a session).
    void setActionRecorder(std::function<void(const UserAction&)> recorder) {
        recorder_ = std::move(recorder);
    }

    // Shorthands for common actions.
    // The user replaces the text of an input and presses Enter.
    void enterText(InputId id, std::string_view text);
    // The user picks an entry of a choice list.
    void select(ChoiceId id, int index) { apply(SelectEntry{id, index}); }
    // A mouse click on a radio button: on the unchecked one three runs (the click while the old
    // method still holds, then the change of each button), on the checked one a single run.
    void clickRadio(RadioId id) { apply(ClickRadio{id}); }
    // The second press of a double click, after the first click's runs: one more run.
    void doubleClickRadio(RadioId id) { apply(DoubleClickRadio{id}); }
    // Space on a focused radio button: a click when it is unchecked, nothing otherwise.
    void pressSpaceOnRadio(RadioId id) { apply(SpaceOnRadio{id}); }

private:
    Separators separators_;
    FieldSet fields_;
    Quantities quantities_;
    Report report_;
    long runs_ = 0;
    std::vector<std::function<void()>> observers_;
    std::function<void(const UserAction&)> recorder_;

    void click(RadioId id);
};

} // namespace quellfin
