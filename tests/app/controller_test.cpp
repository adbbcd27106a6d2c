#include "app/controller.h"
#include "app/controller_connection.h"
#include "app/testing/memory_calculator_view.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace {

constexpr const char* kFactor = "Factor number.";
constexpr const char* kSquareRoot = "Find algebraic square root of number.";
constexpr const char* kPrime = "Find whether number is prime.";
constexpr const char* kAsFraction = "Find fractional representation of number.";

std::string disabled(const char* purpose, const char* why)
{
    return std::string(purpose) + " (Disabled because " + why + ".)";
}

// The four buttons in the order factor, square root, prime, as fraction.
struct ButtonStates {
    std::array<bool, 4> enabled;
    std::array<std::string, 4> toolTips;
    bool operator==(const ButtonStates&) const = default;
};

void PrintTo(const ButtonStates& states, std::ostream* out)
{
    for (std::size_t i = 0; i < states.enabled.size(); ++i) {
        *out << "\n  " << (states.enabled[i] ? "on:  " : "off: ") << states.toolTips[i];
    }
}

// A fresh in-memory window, connected and loaded, for every test.
class ControllerTest : public testing::Test, protected MemoryCalculator {
protected:
    ButtonStates buttonStates() const
    {
        const std::array<const MemoryPushButton*, 4> buttons = {&view.factorButton, &view.squareRootButton,
                                                                &view.primeButton, &view.asFractionButton};
        ButtonStates states;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            states.enabled[i] = buttons[i]->isEnabled();
            states.toolTips[i] = buttons[i]->toolTip();
        }
        return states;
    }
};

TEST_F(ControllerTest, AwakeFromNibGivesTheEntryFieldADecimalFormatter)
{
    ASSERT_NE(view.inputField.formatter(), nullptr);
    EXPECT_TRUE(view.inputField.formatter()->allowsFloats());
}

TEST_F(ControllerTest, AwakeFromNibSetsTheButtonsForTheTextAsLoaded)
{
    // Fresh in-memory buttons start enabled with no tool tip.
    EXPECT_FALSE(view.factorButton.isEnabled());
    EXPECT_EQ(view.factorButton.toolTip(), disabled(kFactor, "the field is not filled"));

    MemoryCalculatorView loadedWithText;
    loadedWithText.inputField.setText("0.75");
    Controller otherController;
    connectControls(otherController, loadedWithText);
    otherController.awakeFromNib();
    EXPECT_TRUE(loadedWithText.asFractionButton.isEnabled());
    EXPECT_FALSE(loadedWithText.factorButton.isEnabled());
}

TEST_F(ControllerTest, EmptyFieldDisablesEveryButtonSayingItIsNotFilled)
{
    type("72");
    type("");
    const ButtonStates expected = {
        {false, false, false, false},
        {"Factor number. (Disabled because the field is not filled.)",
         "Find algebraic square root of number. (Disabled because the field is not filled.)",
         "Find whether number is prime. (Disabled because the field is not filled.)",
         "Find fractional representation of number. (Disabled because the field is not filled.)"},
    };
    EXPECT_EQ(buttonStates(), expected);
}

TEST_F(ControllerTest, EveryTextChangeSetsTheButtonsFromItsClassAndSign)
{
    const ButtonStates empty = {{false, false, false, false},
                                {disabled(kFactor, "the field is not filled"),
                                 disabled(kSquareRoot, "the field is not filled"),
                                 disabled(kPrime, "the field is not filled"),
                                 disabled(kAsFraction, "the field is not filled")}};
    const ButtonStates tooBig = {{false, false, false, false},
                                 {disabled(kFactor, "the number is too big"),
                                  disabled(kSquareRoot, "the number is too big"),
                                  disabled(kPrime, "the number is too big"),
                                  disabled(kAsFraction, "the number is too big")}};
    const ButtonStates integral = {{true, true, true, false},
                                   {kFactor, kSquareRoot, kPrime, disabled(kAsFraction, "the number is an integer")}};
    const ButtonStates nonIntegral = {{false, false, false, true},
                                      {disabled(kFactor, "the number is not an integer"),
                                       disabled(kSquareRoot, "the number is not an integer"),
                                       disabled(kPrime, "the number is not an integer"), kAsFraction}};
    const auto negative = [](ButtonStates states) {
        states.enabled[1] = false;
        states.toolTips[1] = disabled(kSquareRoot, "the number is negative");
        return states;
    };

    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        const char* name;
        std::string text;
        int32_t intValue;
        float floatValue;
        ButtonStates expected;
    };
    const Row rows[] = {
        {"empty text", "", 0, 0.0F, empty},
        // A sign or point alone has no number yet and must not read as 0.
        {"lone minus", "-", 0, 0.0F, empty},
        {"lone point", ".", 0, 0.0F, empty},
        {"minus and point", "-.", 0, 0.0F, empty},
        {"small integer", "12", 12, 12.0F, integral},
        {"largest offered integer", "999999999", 999999999, 999999999.0F, integral},
        {"one past the largest", "1000000000", 1000000000, 1000000000.0F, tooBig},
        {"too big before not integral", "1000000000.5", 1000000000, 1000000000.5F, tooBig},
        {"negative integer", "-5", -5, -5.0F, negative(integral)},
        {"large negative integer", "-1000000000", -1000000000, -1000000000.0F, negative(integral)},
        {"decimal", "2.5", 2, 2.5F, nonIntegral},
        {"negative decimal", "-2.5", -2, -2.5F, negative(nonIntegral)},
        {"negative decimal reading zero", "-0.5", 0, -0.5F, nonIntegral},
        {"decimal rounding to the integer", "123456789.5", 123456789, 123456789.5F, integral},
        {"float reading not a number", "5", 5, nan, nonIntegral},
        // The most negative reading also stands for every text below the range.
        {"most negative value", "-2147483648", -2147483647 - 1, -2147483648.0F, negative(tooBig)},
        {"below the range", "-99999999999", -2147483647 - 1, -99999999999.0F, negative(tooBig)},
        {"one above the most negative", "-2147483647", -2147483647, -2147483647.0F, negative(integral)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Through the readings the real field derives from the text, where
        // they agree, and through the given readings alone.
        if (TextReading::intValue(row.text) == row.intValue &&
            TextReading::floatValue(row.text) == row.floatValue) {
            type(row.text);
            EXPECT_EQ(buttonStates(), row.expected);
        }
        view.inputField.setReadings(row.text, row.intValue, row.floatValue);
        controller.controlTextDidChange();
        EXPECT_EQ(buttonStates(), row.expected);
    }
}

TEST_F(ControllerTest, ReasonLineSaysWhyEachButtonIsOffAndWhatWouldTurnItOn)
{
    const std::string tooBig = " are off because the number is too big: use a number from -2,147,483,647 to 999,999,999.";
    const std::string negative =
        "Square Root is off because the number is negative: type a whole number of 0 or more.";
    const std::string integer = "As Fraction is off because the number is an integer: type a decimal, such as 0.75.";
    const std::string notInteger = " are off because the number is not an integer: type a whole number.";
    struct Row {
        const char* name;
        const char* text;
        std::string expected;
    };
    const Row rows[] = {
        {"empty", "", "All four buttons are off because the field is not filled: type a number."},
        {"too big", "1000000000", "All four buttons" + tooBig},
        {"too big and negative", "-99999999999", "Factor, Prime and As Fraction" + tooBig + " " + negative},
        {"integer", "72", integer},
        {"negative integer", "-72", negative + " " + integer},
        {"decimal", "0.75", "Factor, Square Root and Prime" + notInteger},
        {"negative decimal", "-2.5", "Factor and Prime" + notInteger + " " + negative},
    };
    std::set<std::string> sentences;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        type(row.text);
        EXPECT_EQ(view.reasonView.string(), row.expected);
        EXPECT_EQ(view.inputField.accessibleDescription(), row.expected);
        sentences.insert(view.reasonView.string());
    }
    EXPECT_EQ(sentences.size(), std::size(rows));

    // Its integer reading is 0, so the square root is off for the decimal.
    type("-0.5");
    EXPECT_EQ(view.reasonView.string(), "Factor, Square Root and Prime" + notInteger);
}

TEST(ControllerInAGermanLocale, WritesTheLimitsAndTheExampleAsTheLocaleDoes)
{
    MemoryCalculator german({.decimalSeparator = U',', .groupSeparator = U'.'});
    german.type("1000000000");
    EXPECT_EQ(german.view.reasonView.string(), "All four buttons are off because the number is too big: use a number "
                                               "from -2.147.483.647 to 999.999.999.");
    german.type("7");
    EXPECT_EQ(german.view.reasonView.string(),
              "As Fraction is off because the number is an integer: type a decimal, such as 0,75.");
    // And reads the typed decimal with the comma.
    german.type("0,75");
    EXPECT_TRUE(german.view.asFractionButton.isEnabled());
    german.controller.asFraction();
    EXPECT_EQ(german.view.resultView.string(), "3/4");
}

TEST_F(ControllerTest, ARefusalIsExplainedUntilTheNextChange)
{
    type("12");
    EXPECT_FALSE(insert("abc"));
    const std::string refusal =
        "“abc” is not a number: only digits, one decimal separator and a leading minus can be entered.";
    EXPECT_EQ(view.reasonView.string(), refusal);
    EXPECT_EQ(view.inputField.accessibleDescription(), refusal);
    // The text and the buttons are as they were.
    EXPECT_EQ(view.inputField.stringValue(), "12");
    EXPECT_TRUE(view.factorButton.isEnabled());

    EXPECT_TRUE(insert("3"));
    EXPECT_EQ(view.reasonView.string(), "As Fraction is off because the number is an integer: type a decimal, such as 0.75.");
}

TEST_F(ControllerTest, ARefusalQuotesTheTextOnOneShortLine)
{
    controller.controlDidFailToValidate("12\nabc\t\t x ");
    EXPECT_TRUE(view.reasonView.string().starts_with("“12 abc x” is not a number")) << view.reasonView.string();
    controller.controlDidFailToValidate(std::string(1000, 'x'));
    EXPECT_TRUE(view.reasonView.string().starts_with("“" + std::string(23, 'x') + "…” is not a number"))
        << view.reasonView.string();
}

TEST_F(ControllerTest, ActionsShowTheirAnswerForTheTypedNumber)
{
    using Action = void (Controller::*)();
    const Action factor = &Controller::factor;
    const Action squareRoot = &Controller::squareRoot;
    const Action prime = &Controller::prime;
    const Action asFraction = &Controller::asFraction;
    struct Row {
        const char* text;
        Action action;
        const char* expected;
    };
    const Row rows[] = {
        // The factor list keeps the space after its last number.
        {"12", factor, "1, 2, 3, 4, 6, 12 "},
        {"-12", factor, "1, 2, 3, 4, 6, 12 "},
        {"0", factor, "0 "},
        {"1", factor, "1 "},
        {"7", factor, "1, 7 "},
        {"0", prime, "No"},
        {"1", prime, "No"},
        {"-1", prime, "No"},
        {"4", prime, "No"},
        {"2", prime, "Yes"},
        {"7", prime, "Yes"},
        {"-7", prime, "Yes"},
        {"-2147483647", prime, "Yes"},
        {"16", squareRoot, "4"},
        {"100", squareRoot, "10"},
        {"1", squareRoot, "1"},
        {"0", squareRoot, "0"},
        {"7", squareRoot, "√7"},
        {"2", squareRoot, "√2"},
        {"12", squareRoot, "2√3"},
        {"72", squareRoot, "6√2"},
        {"50", squareRoot, "5√2"},
        {"999999999", squareRoot, "9√12345679"},
        {"0.5", asFraction, "1/2"},
        {"0.75", asFraction, "3/4"},
        {"2.5", asFraction, "5/2"},
        {"3.14", asFraction, "157/50"},
        {"0.333", asFraction, "333/1000"},
        {"0.125", asFraction, "1/8"},
        // The sign stays where the conversion put it.
        {"-0.75", asFraction, "-3/4"},
        {"-0.5", asFraction, "1/-2"},
        {"-0.25", asFraction, "1/-4"},
        {"0.01", asFraction, "9999999/1000000000"},
        {"0.001", asFraction, "1/1000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        type(row.text);
        (controller.*row.action)();
        EXPECT_EQ(view.resultView.string(), row.expected);
    }
}

TEST_F(ControllerTest, ActionsWithoutAnAnswerShowImpossible)
{
    type("-2147483648");
    controller.factor();
    EXPECT_EQ(view.resultView.string(), "Impossible");
    view.resultView.setString("");
    controller.squareRoot();
    EXPECT_EQ(view.resultView.string(), "Impossible");
    // Even, so not prime.
    controller.prime();
    EXPECT_EQ(view.resultView.string(), "No");

    constexpr float infinity = std::numeric_limits<float>::infinity();
    for (const float value : {std::numeric_limits<float>::quiet_NaN(), infinity, -infinity, 2147483648.0F,
                              -2147483648.0F, 1e20F}) {
        SCOPED_TRACE(value);
        view.resultView.setString("");
        view.inputField.setReadings("1", 1, value);
        controller.asFraction();
        EXPECT_EQ(view.resultView.string(), "Impossible");
    }
}

TEST_F(ControllerTest, SetResultIgnoresAbsentAndEmptyTexts)
{
    controller.setResult("6√2");
    controller.setResult(std::nullopt);
    EXPECT_EQ(view.resultView.string(), "6√2");
    controller.setResult("");
    EXPECT_EQ(view.resultView.string(), "6√2");
    controller.setResult(" ");
    EXPECT_EQ(view.resultView.string(), " ");
}

TEST_F(ControllerTest, EachAnswerReplacesThePreviousOne)
{
    type("999999999");
    controller.factor();
    type("7");
    controller.prime();
    EXPECT_EQ(view.resultView.string(), "Yes");
}

TEST_F(ControllerTest, RadicalSignIsTheOneTheLabelHeldAtLoad)
{
    view.squareRootField.setText("sqrt");
    type("72");
    controller.squareRoot();
    EXPECT_EQ(view.resultView.string(), "6√2");

    MemoryCalculatorView otherView;
    Controller otherController;
    otherView.squareRootField.setText("r");
    connectControls(otherController, otherView);
    otherController.awakeFromNib();
    otherView.inputField.setText("12");
    otherController.squareRoot();
    EXPECT_EQ(otherView.resultView.string(), "2r3");
}

} // namespace
