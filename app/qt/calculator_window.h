#pragma once

// The calculator's window: loads the interface definition, binds its
// controls to the one Controller and routes the widgets' events to it. It
// makes no decision of its own; every behaviour is the Controller's.

#include "app/controller.h"
#include "app/qt/qt_calculator_controls.h"

#include <QWidget>

#include <memory>

namespace Ui {
class CalculatorWindow;
}

class CalculatorWindow : public QWidget {
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

private:
    // The window's widgets seen through the calculator view interface, named
    // like the Controller's fields.
    struct Controls {
        QtTextField inputField;
        QtTextField squareRootField;
        QtTextView resultView;
        QtPushButton factorButton;
        QtPushButton squareRootButton;
        QtPushButton primeButton;
        QtPushButton asFractionButton;
    };

    std::unique_ptr<Ui::CalculatorWindow> ui;
    Controls controls;
    Controller controller;
};
