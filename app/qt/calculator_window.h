#pragma once

// The calculator's window: loads the interface definition, binds its
// controls to the one Controller and routes the widgets' events to it. It
// makes no decision of its own; every behaviour is the Controller's, but for
// what belongs to the widgets: the keyboard focus, which stays in the entry
// field, Escape, which clears it, and copying the answer.

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
        QtLabelView reasonView;
    };

    // A press of the button runs the action, then gives the keyboard back to
    // the entry field, so that typing goes on.
    void connectAction(QAbstractButton* button, void (Controller::*action)());

    std::unique_ptr<Ui::CalculatorWindow> ui;
    Controls controls;
    Controller controller;
};
