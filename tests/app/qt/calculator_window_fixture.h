#pragma once

// The real calculator window, shown on Qt's offscreen platform, with its
// controls found by object name. Every test gets a fresh one, in the C
// locale unless the test asks for another.

#include "app/qt/calculator_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

// The application's locale, which the window reads numbers in, for as long
// as this lives.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(previous); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale previous;
};

class CalculatorWindowTest : public testing::Test {
protected:
    explicit CalculatorWindowTest(const QLocale& inLocale = QLocale::c()) : locale(inLocale)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        input->setFocus();
    }

    template <typename Widget>
    Widget* control(const char* name)
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    std::array<QPushButton*, 4> buttons() { return {factor, squareRoot, prime, asFraction}; }

    ScopedLocale locale;
    CalculatorWindow window;
    QLineEdit* input = control<QLineEdit>("inputField");
    QPlainTextEdit* result = control<QPlainTextEdit>("resultView");
    QPushButton* factor = control<QPushButton>("factorButton");
    QPushButton* squareRoot = control<QPushButton>("squareRootButton");
    QPushButton* prime = control<QPushButton>("primeButton");
    QPushButton* asFraction = control<QPushButton>("asFractionButton");
    QLabel* reasonLine = control<QLabel>("reasonLine");
};
