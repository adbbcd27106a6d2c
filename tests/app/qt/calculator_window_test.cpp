// The real window on Qt's offscreen platform, driven like a person would:
// keystrokes into the entry field, clicks on the buttons.

#include "calculator_window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

constexpr const char* kNotFilled = " (Disabled because the field is not filled.)";

TEST_F(CalculatorWindowTest, OpensWithEveryButtonOffBecauseTheFieldIsNotFilled)
{
    EXPECT_EQ(factor->toolTip(), QString("Factor number.") + kNotFilled);
    EXPECT_EQ(squareRoot->toolTip(), QString("Find algebraic square root of number.") + kNotFilled);
    EXPECT_EQ(prime->toolTip(), QString("Find whether number is prime.") + kNotFilled);
    EXPECT_EQ(asFraction->toolTip(), QString("Find fractional representation of number.") + kNotFilled);
    for (QPushButton* button : buttons()) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
    // Typing and erasing restores exactly the opening state.
    std::array<QString, 4> opening;
    for (std::size_t i = 0; i < opening.size(); ++i) {
        opening[i] = buttons()[i]->toolTip();
    }
    QTest::keyClicks(input, "5");
    QTest::keyClick(input, Qt::Key_Backspace);
    for (std::size_t i = 0; i < opening.size(); ++i) {
        EXPECT_EQ(buttons()[i]->toolTip(), opening[i]);
        EXPECT_FALSE(buttons()[i]->isEnabled());
    }
}

TEST_F(CalculatorWindowTest, RunsOnThePlatformItWasGiven)
{
    EXPECT_EQ(QGuiApplication::platformName(), qEnvironmentVariable("QT_QPA_PLATFORM"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(CalculatorWindowTest, ButtonsFollowEveryKeystroke)
{
    QTest::keyClicks(input, "-");
    EXPECT_FALSE(factor->isEnabled());
    EXPECT_TRUE(factor->toolTip().endsWith(kNotFilled));

    QTest::keyClicks(input, "7");
    EXPECT_TRUE(factor->isEnabled());
    EXPECT_TRUE(prime->isEnabled());
    EXPECT_FALSE(squareRoot->isEnabled());
    EXPECT_EQ(squareRoot->toolTip(), "Find algebraic square root of number. (Disabled because the number is negative.)");
    EXPECT_FALSE(asFraction->isEnabled());

    QTest::keyClicks(input, ".5");
    EXPECT_FALSE(factor->isEnabled());
    EXPECT_TRUE(asFraction->isEnabled());
    EXPECT_EQ(asFraction->toolTip(), "Find fractional representation of number.");
}

TEST_F(CalculatorWindowTest, PressingAButtonShowsTheAnswer)
{
    QTest::keyClicks(input, "72");
    QTest::mouseClick(squareRoot, Qt::LeftButton);
    EXPECT_EQ(result->toPlainText(), "6√2");
    QTest::mouseClick(factor, Qt::LeftButton);
    EXPECT_EQ(result->toPlainText(), "1, 2, 3, 4, 6, 8, 9, 12, 18, 24, 36, 72 ");
    QTest::mouseClick(prime, Qt::LeftButton);
    EXPECT_EQ(result->toPlainText(), "No");

    input->clear();
    QTest::keyClicks(input, "-0.5");
    QTest::mouseClick(asFraction, Qt::LeftButton);
    EXPECT_EQ(result->toPlainText(), "1/-2");
}

TEST_F(CalculatorWindowTest, EntryFieldRefusesWhatCannotBecomeANumber)
{
    QTest::keyClicks(input, "1a2.3.4e-");
    EXPECT_EQ(input->text(), "12.34");

    QApplication::clipboard()->setText("5 apples");
    input->selectAll();
    QTest::keySequence(input, QKeySequence::Paste);
    EXPECT_EQ(input->text(), "12.34");
}

TEST_F(CalculatorWindowTest, TextSetFromCodeAlsoUpdatesTheButtons)
{
    input->setText("12");
    EXPECT_TRUE(factor->isEnabled());
    input->clear();
    EXPECT_FALSE(factor->isEnabled());
}

TEST_F(CalculatorWindowTest, RadicalSignComesFromTheLabelAsItWasAtLoad)
{
    auto* label = control<QLabel>("squareRootField");
    const QString sign = label->text();
    EXPECT_EQ(sign, "√");
    label->setText("?");
    QTest::keyClicks(input, "12");
    QTest::mouseClick(squareRoot, Qt::LeftButton);
    EXPECT_EQ(result->toPlainText(), "2" + sign + "3");
}

TEST_F(CalculatorWindowTest, ResultCanBeSelectedButNotEdited)
{
    QTest::keyClicks(input, "7");
    QTest::mouseClick(factor, Qt::LeftButton);
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(result->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    result->setFocus();
    QTest::keyClicks(result, "x");
    EXPECT_EQ(result->toPlainText(), "1, 7 ");
}

TEST_F(CalculatorWindowTest, ControlsHaveAccessibleNamesMnemonicsAndTabOrder)
{
    const std::array<std::pair<QWidget*, const char*>, 6> named = {{{input, "Number"},
                                                                     {factor, "Factor"},
                                                                     {squareRoot, "Square root"},
                                                                     {prime, "Prime"},
                                                                     {asFraction, "As fraction"},
                                                                     {result, "Result"}}};
    for (const auto& [widget, name] : named) {
        EXPECT_EQ(widget->accessibleName(), name);
    }

    std::set<QString> mnemonics;
    for (QPushButton* button : buttons()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        EXPECT_FALSE(mnemonic.isEmpty()) << button->text().toStdString();
        mnemonics.insert(mnemonic.toString());
    }
    EXPECT_EQ(mnemonics.size(), buttons().size());

    // The focus chain visits the six controls in reading order.
    std::vector<QWidget*> order;
    QWidget* widget = input;
    do {
        for (const auto& [control, name] : named) {
            if (widget == control) {
                order.push_back(widget);
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != input);
    ASSERT_EQ(order.size(), named.size());
    for (std::size_t i = 0; i < named.size(); ++i) {
        EXPECT_EQ(order[i], named[i].first) << i;
    }
}

TEST_F(CalculatorWindowTest, HasItsTitleAndIconInEverySize)
{
    EXPECT_EQ(window.windowTitle(), "Number Tool");
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (const int side : {NUMBER_TOOL_ICON_SIZES}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
}

TEST_F(CalculatorWindowTest, KeepsEveryControlWholeAtAnySizeFromTheMinimumUp)
{
    const QSize smallest = window.minimumSize();
    EXPECT_TRUE(smallest.width() >= window.minimumSizeHint().width() &&
                smallest.height() >= window.minimumSizeHint().height());
    for (const QSize size : {smallest, QSize(900, 700), smallest}) {
        window.resize(size);
        QApplication::processEvents();
        for (QWidget* widget :
             std::initializer_list<QWidget*>{input, factor, squareRoot, prime, asFraction, reasonLine, result}) {
            EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << widget->objectName().toStdString();
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << widget->objectName().toStdString();
            EXPECT_TRUE(window.rect().contains(widget->geometry())) << widget->objectName().toStdString();
        }
    }
}

TEST_F(CalculatorWindowTest, FollowsTheDesktopPalette)
{
    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Window, QColor(32, 32, 32));
    dark.setColor(QPalette::Base, QColor(24, 24, 24));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    for (QWidget* widget : std::initializer_list<QWidget*>{&window, input, factor, result}) {
        EXPECT_TRUE(widget->styleSheet().isEmpty()) << widget->objectName().toStdString();
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Text, QPalette::ButtonText}) {
            EXPECT_EQ(widget->palette().color(role), dark.color(role)) << widget->objectName().toStdString();
        }
    }
    QApplication::setPalette(previous);
    QApplication::processEvents();
}

TEST_F(CalculatorWindowTest, ClosingTheWindowEndsTheEventLoop)
{
    QTimer::singleShot(0, &window, &QWidget::close);
    // Ends the loop with a different status should the close not do so.
    // The window as context cancels it when the test ends.
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(2); });
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
