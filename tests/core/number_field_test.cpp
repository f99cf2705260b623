#include "quellfin/number_field.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quellfin {
namespace {

constexpr FieldSettings kIntegerResult{ValueType::Integer, 2, 0, 100000, 0};
constexpr FieldSettings kFloatResult{ValueType::Float, 2, 0, 100000, 0};

// A field with its own separators and a count of its change notifications.
struct Field {
    explicit Field(FieldSettings settings, Separators initial = {})
        : separators(initial), field(settings, separators) {
        field.setOnChange([this] { ++changes; });
    }
    Separators separators;
    NumberField field;
    int changes = 0;
};

TEST(Tolerances, MatchTheSinglePrecisionSteps) {
    EXPECT_DOUBLE_EQ(DisplayTolerance(2), 0.0049999998882412910);
    EXPECT_DOUBLE_EQ(DisplayTolerance(1), 0.050000000745058060);
    EXPECT_TRUE(SameValue(72, 72 + 1e-14));
    EXPECT_TRUE(SameValue(0, 1e-12));
    EXPECT_FALSE(SameValue(0, 2e-12));
    EXPECT_TRUE(SameValue(1e6, 1e6 + 1e-7));
    EXPECT_FALSE(SameValue(1e6, 1e6 + 1e-5));
}

TEST(NumberField, IntegerFieldReadsBackTheRoundedNumberWithinRange) {
    const struct {
        double stored;
        double expected;
    } cases[] = {
        {72.5, 72},
        {73.5, 74},
        {-3, 0},
        {250000, 100000},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 100000},
        {-std::numeric_limits<double>::infinity(), 0},
        {63.268224, 63},
    };
    for (const auto& c : cases) {
        Field f(kIntegerResult);
        f.field.store(c.stored);
        EXPECT_EQ(f.field.value(), c.expected) << c.stored;
        EXPECT_EQ(f.field.text(), f.field.textOf(f.field.value()));
    }
}

TEST(NumberField, FloatFieldKeepsOrDropsItsRoundingAsTheStoresGo) {
    Field f(kFloatResult);
    const struct {
        double stored;
        double readBack;
        const char* text;
    } steps[] = {
        {8.831, 8.83, "8.83"},    // moved: the text is rewritten and committed
        {8.831, 8.831, "8.83"},   // within the display tolerance of 8.83: kept unrounded
        {8.8349, 8.8349, "8.83"}, // 0.0039 away: still within
        {8.9, 8.9, "8.90"},
    };
    for (const auto& s : steps) {
        f.field.store(s.stored);
        EXPECT_EQ(f.field.value(), s.readBack) << s.stored;
        EXPECT_EQ(f.field.text(), s.text) << s.stored;
    }
}

TEST(NumberField, TieInTheTextRoundsUpOnlyOnTheFirstStore) {
    Field f(kFloatResult);
    f.field.store(0.125);
    EXPECT_EQ(f.field.value(), 0.13);
    f.field.store(0.125); // the rewritten text equals the committed one: no commit
    EXPECT_EQ(f.field.value(), 0.125);
}

TEST(NumberField, StoreWithinComparisonToleranceChangesNothing) {
    Field f(kIntegerResult);
    f.field.store(72);
    const int changes = f.changes;
    f.field.store(72 + 1e-14);
    EXPECT_EQ(f.field.storedNumber(), 72);
    EXPECT_EQ(f.changes, changes);
}

TEST(NumberField, CommitMakesTheValueTheTypedNumberHeldAndRounded) {
    const Separators point{U'.', U','};
    const Separators comma{U',', U'.'};
    const FieldSettings dlina{ValueType::Float, 2, 0, 100000, 60};
    const FieldSettings steklo{ValueType::Float, 1, 0, 100000, 4};
    const struct {
        FieldSettings settings;
        Separators separators;
        const char* typed;
        double value;
        const char* shown;
    } cases[] = {
        {dlina, comma, "60,126", 60.13, "60,13"},
        {dlina, comma, "60.5", 605, "605,00"},
        {dlina, point, "60,5", 605, "605.00"},
        {steklo, comma, "4,25", 4.3, "4,3"},
        {steklo, point, "-5", 0, "0.0"},
        {steklo, point, "250000", 100000, "100000.0"},
        {steklo, point, "", 0, "0.0"},
        {steklo, point, "1-2", 4, "4.0"}, // not a number: the previous value comes back
        {steklo, point, "abc", 4, "4.0"},
        {dlina, point, "1e3", 1000, "1000.00"},
        {dlina, point, "99999.999", 100000, "100000.00"},
        {dlina, point, "1e300", 100000, "100000.00"},
        {dlina, point, "-0.001", 0, "0.00"},
    };
    for (const auto& c : cases) {
        Field f(c.settings, c.separators);
        f.field.setText(c.typed);
        EXPECT_TRUE(f.field.commitIfEdited()) << c.typed;
        EXPECT_EQ(f.field.value(), c.value) << c.typed;
        EXPECT_EQ(f.field.text(), c.shown) << c.typed;
        EXPECT_EQ(f.field.committedText(), c.shown) << c.typed;
        EXPECT_EQ(f.changes, 1) << c.typed;
    }
}

TEST(NumberField, CommitsOnlyWhenTheTextChangedSinceTheLastCommit) {
    Field f({ValueType::Float, 2, 0, 100000, 60});
    EXPECT_FALSE(f.field.commitIfEdited());
    f.field.setText("80");
    EXPECT_TRUE(f.field.commitIfEdited());
    EXPECT_FALSE(f.field.commitIfEdited()); // Enter again without typing
    f.field.setText("60");
    f.field.setText("80.00"); // typed back to the committed text
    EXPECT_FALSE(f.field.commitIfEdited());
    f.field.setText("80"); // the same number in another form still commits
    EXPECT_TRUE(f.field.commitIfEdited());
    EXPECT_EQ(f.field.value(), 80);
    EXPECT_EQ(f.changes, 2);
}

TEST(NumberField, EscapeShowsTheStoredValueAgain) {
    Field f({ValueType::Float, 2, 0, 100000, 60});
    f.field.setText("123");
    f.field.revert();
    EXPECT_EQ(f.field.text(), "60.00");
    EXPECT_FALSE(f.field.commitIfEdited());
    EXPECT_EQ(f.changes, 0);
}

TEST(NumberField, TakeOverStoresTheTypedNumberWithoutRounding) {
    Field f({ValueType::Float, 2, 0, 100000, 60});
    f.field.setText("60.001"); // within the display tolerance: stored as is, no commit
    f.field.takeOver();
    EXPECT_EQ(f.field.value(), 60.001);
    EXPECT_EQ(f.field.text(), "60.001");
    EXPECT_EQ(f.changes, 0);

    f.field.setText("70.126"); // moves the value: the text is rewritten and committed
    f.field.takeOver();
    EXPECT_EQ(f.field.value(), 70.13);
    EXPECT_EQ(f.field.text(), "70.13");
    EXPECT_EQ(f.changes, 1);

    f.field.setText("junk"); // not a number: the stored number stays
    f.field.takeOver();
    EXPECT_EQ(f.field.value(), 70.13);
    EXPECT_EQ(f.changes, 1);
}

TEST(NumberField, RefreshRedrawsUneditedTextsWithNewSeparators) {
    Field f({ValueType::Float, 2, 0, 100000, 60.5});
    f.separators = {U',', U'.'};
    f.field.refreshText();
    EXPECT_EQ(f.field.text(), "60,50");
    EXPECT_FALSE(f.field.isEdited());
    f.field.setText("7");
    f.field.refreshText(); // the user's typing is left alone
    EXPECT_EQ(f.field.text(), "7");
}

} // namespace
} // namespace quellfin
