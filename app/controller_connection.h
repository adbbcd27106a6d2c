#pragma once

// Connects a Controller's control fields to a set of controls with the
// same names, as a window's shell does before it sends awakeFromNib().

#include "app/controller.h"

template <typename Controls>
void connectControls(Controller& controller, Controls& controls)
{
    controller.inputField = &controls.inputField;
    controller.squareRootField = &controls.squareRootField;
    controller.resultView = &controls.resultView;
    controller.factorButton = &controls.factorButton;
    controller.squareRootButton = &controls.squareRootButton;
    controller.primeButton = &controls.primeButton;
    controller.asFractionButton = &controls.asFractionButton;
    controller.reasonView = &controls.reasonView;
}
