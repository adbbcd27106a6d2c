// The real window under abuse: huge pastes, long random typing sessions and
// a button press after every keystroke. After every step the buttons and
// answers must be those a Controller on an in-memory view gives for the
// same text, and memory must not grow with the length of a session.

#include "app/controller.h"
#include "app/testing/memory_calculator_view.h"
#include "calculator_window_fixture.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// Resident memory in bytes, as the kernel reports it.
long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

class CalculatorWindowAbuseTest : public CalculatorWindowTest {
protected:
    // The window's buttons match the in-memory controller's for the
    // window's current text.
    void expectButtonsMatchTheText()
    {
        oracle.type(input->text().toStdString());
        const std::array<const MemoryPushButton*, 4> expected = {
            &oracle.view.factorButton, &oracle.view.squareRootButton, &oracle.view.primeButton,
            &oracle.view.asFractionButton};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(buttons()[i]->isEnabled(), expected[i]->isEnabled()) << i << " for " << input->text().toStdString();
            ASSERT_EQ(buttons()[i]->toolTip().toStdString(), expected[i]->toolTip());
        }
        // The reasons for this text, unless the last keystroke was refused.
        const std::string reason = reasonLine->text().toStdString();
        if (reason.find(" is not a number: ") == std::string::npos) {
            ASSERT_EQ(reason, oracle.view.reasonView.string());
        }
    }

    // Clicks every enabled button and checks each answer against the
    // in-memory controller's.
    void pressEveryEnabledButton()
    {
        oracle.view.inputField.setText(input->text().toStdString());
        using Action = void (Controller::*)();
        const std::array<Action, 4> actions = {&Controller::factor, &Controller::squareRoot, &Controller::prime,
                                               &Controller::asFraction};
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (!buttons()[i]->isEnabled()) {
                continue;
            }
            QTest::mouseClick(buttons()[i], Qt::LeftButton);
            (oracle.controller.*actions[i])();
            ASSERT_EQ(result->toPlainText().toStdString(), oracle.view.resultView.string())
                << i << " for " << input->text().toStdString();
        }
    }

    // Types or erases one random key: digits, signs, points and letters.
    void randomKeystroke(std::mt19937& generator)
    {
        static const std::string keys = "0123456789-.-.ae ";
        std::uniform_int_distribution<std::size_t> pick(0, keys.size() + 3);
        const std::size_t choice = pick(generator);
        if (choice >= keys.size()) {
            QTest::keyClick(input, Qt::Key_Backspace);
        } else {
            QTest::keyClick(input, keys[choice]);
        }
    }

    void paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        input->selectAll();
        QTest::keySequence(input, QKeySequence::Paste);
    }

    MemoryCalculator oracle;
};

TEST_F(CalculatorWindowAbuseTest, PastingAHundredThousandDigitsKeepsTheWindowConsistent)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> digit('0', '9');
    QString digits;
    for (int i = 0; i < 100000; ++i) {
        digits += QChar(digit(generator));
    }
    for (const QString& text : {digits, "-" + digits, "0." + digits, "-0." + digits, digits + ".5"}) {
        paste(text);
        // The field keeps what fits within its length limit.
        ASSERT_FALSE(input->text().isEmpty());
        EXPECT_TRUE(text.startsWith(input->text()));
        expectButtonsMatchTheText();
        pressEveryEnabledButton();
    }
}

TEST_F(CalculatorWindowAbuseTest, PastingTextWithLettersLeavesTheFieldAsItWas)
{
    QTest::keyClicks(input, "0.75");
    for (const QString& text : {QString(100000, 'x'), "12e" + QString(99997, '3'), QString("4 8 15")}) {
        paste(text);
        EXPECT_EQ(input->text().toStdString(), "0.75");
        expectButtonsMatchTheText();
    }
}

TEST_F(CalculatorWindowAbuseTest, TenThousandRandomKeystrokesKeepTheButtonsRight)
{
    std::mt19937 generator(11);
    for (int i = 0; i < 10000; ++i) {
        randomKeystroke(generator);
        ASSERT_NO_FATAL_FAILURE(expectButtonsMatchTheText()) << "keystroke " << i;
    }
}

TEST_F(CalculatorWindowAbuseTest, EveryButtonPressedAfterEveryKeystrokeAnswersRight)
{
    std::mt19937 generator(13);
    for (int i = 0; i < 3000; ++i) {
        randomKeystroke(generator);
        ASSERT_NO_FATAL_FAILURE(pressEveryEnabledButton()) << "keystroke " << i;
    }
}

TEST_F(CalculatorWindowAbuseTest, MemoryDoesNotGrowWithTheLengthOfASession)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer holds freed memory back; it checks for leaks itself";
#endif
    std::mt19937 generator(17);
    const auto session = [&] {
        for (int i = 0; i < 10000; ++i) {
            randomKeystroke(generator);
            if (i % 10 == 0) {
                pressEveryEnabledButton();
            }
        }
        input->clear();
    };
    session();
    const long before = residentBytes();
    for (int round = 0; round < 3; ++round) {
        session();
    }
    EXPECT_LT(residentBytes() - before, 8L * 1024 * 1024);
}

} // namespace
