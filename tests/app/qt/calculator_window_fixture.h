#pragma once

// The real calculator window, shown on Qt's offscreen platform, with its
// controls found by object name. Every test gets a fresh one.

#include "app/qt/calculator_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

class CalculatorWindowTest : public testing::Test {
protected:
    CalculatorWindowTest()
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

    CalculatorWindow window;
    QLineEdit* input = control<QLineEdit>("inputField");
    QPlainTextEdit* result = control<QPlainTextEdit>("resultView");
    QPushButton* factor = control<QPushButton>("factorButton");
    QPushButton* squareRoot = control<QPushButton>("squareRootButton");
    QPushButton* prime = control<QPushButton>("primeButton");
    QPushButton* asFraction = control<QPushButton>("asFractionButton");
};
