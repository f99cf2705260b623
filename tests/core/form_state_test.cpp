#include "quellfin/form_state.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace quellfin {
namespace {

// Records, for every run of the recalculation, whether it saw walls standing on the bottom.
struct RunLog {
    explicit RunLog(FormState& watched) : form(watched), runsAtStart(watched.runCount()) {
        form.addReportObserver([this] { methods.push_back(form.fields().RadioButton1Checked); });
    }
    [[nodiscard]] long runs() const { return form.runCount() - runsAtStart; }
    FormState& form;
    long runsAtStart;
    std::vector<bool> methods;
};

TEST(FormState, RunsOnceWhenCreated) {
    const FormState form;
    EXPECT_EQ(form.runCount(), 1);
    EXPECT_EQ(form.report()[1], "Vidro de fundo: 60 x 30 cm - 1 unidade");
}

TEST(FormState, InputsRunOncePerCommitOfAChangedText) {
    FormState form;
    RunLog log(form);
    NumberField& dlina = form.fields().dlina;

    dlina.setText("80"); // typing alone fires nothing
    EXPECT_EQ(log.runs(), 0);
    EXPECT_TRUE(dlina.commitIfEdited());
    EXPECT_FALSE(dlina.commitIfEdited()); // Enter twice without typing
    EXPECT_EQ(log.runs(), 1);
    EXPECT_EQ(form.report()[1], "Vidro de fundo: 80 x 30 cm - 1 unidade");

    form.enterText(InputId::dlina, "80"); // same number, other text: still a run
    EXPECT_EQ(log.runs(), 2);
    EXPECT_EQ(dlina.value(), 80);
}

TEST(FormState, ChoiceListsRunOncePerChangeOfEntry) {
    FormState form;
    RunLog log(form);
    form.select(ChoiceId::riba, 3); // already selected
    EXPECT_EQ(log.runs(), 0);
    for (int i = 0; i < 2; ++i) { // two wheel steps from "Médio" to "Muito"
        form.select(ChoiceId::riba, form.fields().riba.indexAfter(ChoiceList::Move::Next));
    }
    EXPECT_EQ(form.fields().riba.selectedText(), "Muito");
    EXPECT_EQ(log.runs(), 2);
    form.select(ChoiceId::riba, 6); // no such entry
    form.select(ChoiceId::riba, -1);
    EXPECT_EQ(log.runs(), 2);
}

TEST(ChoiceList, NavigationStopsAtTheEnds) {
    FormState form;
    ChoiceList& riba = form.fields().riba; // six entries, "Médio" selected
    using Move = ChoiceList::Move;
    EXPECT_EQ(riba.indexAfter(Move::Previous), 2);
    EXPECT_EQ(riba.indexAfter(Move::Next), 4);
    EXPECT_EQ(riba.indexAfter(Move::First), 0);
    EXPECT_EQ(riba.indexAfter(Move::Last), 5);
    EXPECT_EQ(riba.indexAfter(Move::PageBack), 0);
    EXPECT_EQ(riba.indexAfter(Move::PageForward), 5);
    riba.select(5);
    EXPECT_EQ(riba.indexAfter(Move::Next), 5);
    riba.select(0);
    EXPECT_EQ(riba.indexAfter(Move::Previous), 0);
    EXPECT_EQ(riba.indexForLetter(U'm'), 1); // "Muito pouco", the first entry with M
    EXPECT_EQ(riba.indexForLetter(U'A'), 4);
    EXPECT_EQ(riba.indexForLetter(U'x'), -1);
    EXPECT_EQ(form.fields().plotnost.indexForLetter(U'P'), 1);
}

TEST(FormState, RadioClickRunsInTheOrderOfTheEvents) {
    FormState form;
    RunLog log(form);
    form.clickRadio(RadioId::RadioButton2); // the click sees the old method, the changes the new
    EXPECT_EQ(log.methods, (std::vector<bool>{true, false, false}));
    form.clickRadio(RadioId::RadioButton2); // already checked: the click alone
    EXPECT_EQ(log.methods.size(), 4U);
    form.doubleClickRadio(RadioId::RadioButton2);
    EXPECT_EQ(log.methods.size(), 5U);
    form.pressSpaceOnRadio(RadioId::RadioButton2); // checked: nothing
    EXPECT_EQ(log.methods.size(), 5U);
    form.pressSpaceOnRadio(RadioId::RadioButton1);
    EXPECT_EQ(log.methods,
              (std::vector<bool>{true, false, false, false, false, false, true, true}));
    EXPECT_TRUE(form.fields().isChecked(RadioId::RadioButton1));
    EXPECT_FALSE(form.fields().isChecked(RadioId::RadioButton2));
}

TEST(FormState, RepeatedRunsMayMoveTheGlassWeightOffItsRounding) {
    // The first run stores 8.831 into an empty field and reads back 8.83; later runs keep 8.831.
    FormState form;
    EXPECT_EQ(form.fields().vespustogo.value(), 8.83);
    form.CalcularClick();
    EXPECT_EQ(form.fields().vespustogo.value(), 8.831);
}

TEST(FormState, ARecordedSessionReplaysToTheSameReport) {
    FormState original;
    std::vector<UserAction> log;
    original.setActionRecorder([&](const UserAction& action) { log.push_back(action); });
    original.apply(EditText{InputId::dlina, "7"});
    original.apply(EditText{InputId::dlina, "75"});
    original.apply(TakeOverInput{InputId::dlina});
    original.apply(EditText{InputId::grunt, "9,5"});
    original.apply(RevertInput{InputId::grunt});
    original.apply(EditText{InputId::voda, "2"});
    original.apply(CommitInput{InputId::voda});
    original.select(ChoiceId::plotnost, 1);
    original.clickRadio(RadioId::RadioButton2);
    original.doubleClickRadio(RadioId::RadioButton2);
    ASSERT_EQ(log.size(), 10U);

    FormState replayed;
    for (const UserAction& action : log) {
        replayed.apply(action);
    }
    EXPECT_EQ(replayed.report(), original.report());
    EXPECT_EQ(replayed.runCount(), original.runCount());
    EXPECT_EQ(replayed.fields().dlina.value(), 75);
    EXPECT_EQ(replayed.fields().grunt.text(), "6.00");
}

} // namespace
} // namespace quellfin
