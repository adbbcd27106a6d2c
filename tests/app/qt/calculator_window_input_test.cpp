// Numbers as people type and paste them, in the C locale and in a German
// one: through the real clipboard and real keystrokes.

#include "app/unicode_text.h"
#include "calculator_window_fixture.h"

#include <QApplication>
#include <QChar>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class GermanCalculatorWindowTest : public CalculatorWindowTest {
protected:
    GermanCalculatorWindowTest() : CalculatorWindowTest(QLocale(QLocale::German, QLocale::Germany)) {}
};

struct Pasted {
    QString text;
    QString shown;
};

void pasteInto(QLineEdit* input, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keySequence(input, QKeySequence::Paste);
}

void expectPastedIntoAnEmptyField(QLineEdit* input, std::initializer_list<Pasted> rows)
{
    for (const Pasted& row : rows) {
        input->clear();
        pasteInto(input, row.text);
        EXPECT_EQ(input->text(), row.shown) << row.text.toStdString();
    }
}

TEST_F(CalculatorWindowTest, TypingACommaOrAPointEntersThePoint)
{
    QTest::keyClicks(input, "3,5");
    EXPECT_EQ(input->text(), "3.5");
    QTest::keyClicks(input, ",.");
    EXPECT_EQ(input->text(), "3.5");
    QTest::keyClick(input, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(input->text(), "3.5");
}

TEST_F(GermanCalculatorWindowTest, TypingAPointOrACommaEntersTheComma)
{
    for (const char* typed : {"0,75", "0.75"}) {
        input->clear();
        QTest::keyClicks(input, typed);
        EXPECT_EQ(input->text(), "0,75") << typed;
        EXPECT_TRUE(asFraction->isEnabled());
        QTest::mouseClick(asFraction, Qt::LeftButton);
        EXPECT_EQ(result->toPlainText(), "3/4");
    }
}

TEST_F(CalculatorWindowTest, PastedNumbersAreReadAsPeopleWriteThem)
{
    expectPastedIntoAnEmptyField(input, {
                                            {" 72\n", "72"},
                                            {"72\r\n", "72"},
                                            {"+5", "5"},
                                            {"\u221212", "-12"},
                                            {"\uFF11\uFF12\uFF13", "123"},
                                            {"1,000", "1000"},
                                            {"1,234,567", "1234567"},
                                            {"1 000", "1000"},
                                            {"1'000", "1000"},
                                            {"1,000.5", "1000.5"},
                                            {"0,75", "0.75"},
                                            {"1,5", "1.5"},
                                        });
}

TEST_F(GermanCalculatorWindowTest, PastedNumbersAreReadInTheLocale)
{
    expectPastedIntoAnEmptyField(input, {
                                            {"1.000", "1000"},
                                            {"1.000,5", "1000,5"},
                                            {"1,000.5", "1000,5"},
                                            {"0,75", "0,75"},
                                            {"0.75", "0,75"},
                                        });
}

TEST_F(CalculatorWindowTest, APasteGoesInAtTheCursorInPlaceOfTheSelection)
{
    QTest::keyClicks(input, "19");
    input->setCursorPosition(1);
    pasteInto(input, "1,000");
    EXPECT_EQ(input->text(), "110009");
    input->setSelection(1, 3);
    pasteInto(input, " 2 ");
    EXPECT_EQ(input->text(), "1209");
    // The whole text must still be a number.
    pasteInto(input, "-3");
    EXPECT_EQ(input->text(), "1209");
}

TEST_F(CalculatorWindowTest, ARefusedPasteLeavesTheFieldAndButtonsAndSaysWhy)
{
    for (const QLocale& other : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        for (const char* pasted : {"12abc", "1.2.3", "4 8 15", "1e5", "$5", "1,2,3", "   "}) {
            SCOPED_TRACE(other.name().toStdString() + " " + pasted);
            const ScopedLocale inLocale(other);
            CalculatorWindow window2;
            auto* field = window2.findChild<QLineEdit*>("inputField");
            auto* line = window2.findChild<QLabel*>("reasonLine");
            auto* factorButton = window2.findChild<QPushButton*>("factorButton");
            QTest::keyClicks(field, "7");
            const QString before = line->text();
            pasteInto(field, pasted);
            EXPECT_EQ(field->text(), "7");
            EXPECT_TRUE(factorButton->isEnabled());
            EXPECT_NE(line->text(), before);
            EXPECT_TRUE(line->text().contains("is not a number")) << line->text().toStdString();
            EXPECT_EQ(field->accessibleDescription(), line->text());
        }
    }
}

TEST_F(CalculatorWindowTest, ARefusedKeystrokeIsExplainedUntilTheNextChange)
{
    QTest::keyClicks(input, "12a");
    EXPECT_EQ(input->text(), "12");
    EXPECT_EQ(reasonLine->text(),
              "“a” is not a number: only digits, one decimal separator and a leading minus can be entered.");
    QTest::keyClicks(input, "3");
    EXPECT_EQ(reasonLine->text(),
              "As Fraction is off because the number is an integer: type a decimal, such as 0.75.");
}

TEST_F(CalculatorWindowTest, TheContextMenusPasteReadsTheNumberToo)
{
    QApplication::clipboard()->setText("1,000");
    bool pasted = false;
    // The menu runs its own event loop: once it shows, trigger its Paste.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&pasted] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* menu = qobject_cast<QMenu*>(widget);
            if (menu == nullptr || !menu->isVisible()) {
                continue;
            }
            // The menu's last action that pastes is its Paste.
            for (QAction* action : menu->actions()) {
                if (action->isEnabled() && action->text().startsWith("&Paste")) {
                    action->trigger();
                    pasted = true;
                }
            }
            menu->close();
        }
    });
    poll.start(10);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, input->rect().center(),
                            input->mapToGlobal(input->rect().center()));
    QApplication::sendEvent(input, &event);
    EXPECT_TRUE(pasted);
    EXPECT_EQ(input->text(), "1000");
}

// The core's table of decimal digits agrees with Qt's Unicode data. A
// newer Unicode than Qt's may know more digits, but never other values.
TEST(UnicodeDigits, AgreeWithQt)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const int qtValue = QChar::digitValue(c);
        const bool qtDigit = QChar::category(c) == QChar::Number_DecimalDigit;
        const auto value = UnicodeText::decimalDigitValue(c);
        if (qtDigit) {
            ASSERT_EQ(value, qtValue) << std::hex << static_cast<uint32_t>(c);
        } else if (value) {
            ASSERT_EQ(QChar::category(c), QChar::Other_NotAssigned) << std::hex << static_cast<uint32_t>(c);
        }
    }
}

} // namespace
