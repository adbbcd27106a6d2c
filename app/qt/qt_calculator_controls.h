#pragma once

// The calculator view interface over Qt widgets: each class forwards to one
// widget it does not own, converting between std::string and QString.

#include "app/calculator_view.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QString>

#include <string>

// Over any widget with a "text" property: the entry field (a QLineEdit,
// which also takes the formatter) or a label.
class QtTextField : public TextField {
public:
    explicit QtTextField(QWidget* control) : _control(control) {}

    std::string stringValue() const override { return readings().string; }
    int32_t intValue() const override { return readings().intValue; }
    float floatValue() const override { return readings().floatValue; }
    // A QLineEdit refuses edits the formatter does not accept; other widgets
    // take no input and ignore it.
    void setFormatter(std::unique_ptr<NumberFormatter> formatter) override;

private:
    // The text and what it reads as, kept until the text changes: one text
    // change reads the field several times, and a text can be 32767
    // characters long.
    struct Readings {
        QString text;
        std::string string;
        int32_t intValue = 0;
        float floatValue = 0.0F;
    };

    const Readings& readings() const;

    QWidget* _control;
    mutable Readings _readings;
};

class QtPushButton : public PushButton {
public:
    explicit QtPushButton(QAbstractButton* button) : _button(button) {}

    void setEnabled(bool enabled) override { _button->setEnabled(enabled); }
    void setToolTip(const std::string& toolTip) override { _button->setToolTip(QString::fromStdString(toolTip)); }

private:
    QAbstractButton* _button;
};

class QtTextView : public TextView {
public:
    explicit QtTextView(QPlainTextEdit* view) : _view(view) {}

    void setString(const std::string& text) override { _view->setPlainText(QString::fromStdString(text)); }

private:
    QPlainTextEdit* _view;
};
