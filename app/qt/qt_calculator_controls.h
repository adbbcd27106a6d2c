#pragma once

// The calculator view interface over Qt widgets: each class forwards to one
// widget it does not own, converting between std::string and QString.

#include "app/calculator_view.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QString>

#include <string>

// Over any widget with a "text" property: the entry field (a NumberLineEdit,
// which also takes the formatter) or a label. Numbers are read with the
// separators of the application's locale, QLocale(), which is the system's
// unless a test sets another.
class QtTextField : public TextField {
public:
    explicit QtTextField(QWidget* control);

    std::string stringValue() const override { return readings().string; }
    int32_t intValue() const override { return readings().intValue; }
    float floatValue() const override { return readings().floatValue; }
    // A NumberLineEdit refuses edits the formatter does not accept; other
    // widgets take no input and ignore it.
    void setFormatter(std::unique_ptr<NumberFormatter> formatter) override;
    NumberSymbols numberSymbols() const override { return _symbols; }
    void setAccessibleDescription(const std::string& description) override;

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
    NumberSymbols _symbols;
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

// The result area. Every answer set is also announced, politely, to
// assistive technology (with Qt 6.8 and later), since the focus is in the
// entry field when it comes.
class QtTextView : public TextView {
public:
    explicit QtTextView(QPlainTextEdit* view) : _view(view) {}

    void setString(const std::string& text) override;

private:
    QPlainTextEdit* _view;
};

// A line of text shown as it is set: the reason line.
class QtLabelView : public TextView {
public:
    explicit QtLabelView(QLabel* label) : _label(label) {}

    void setString(const std::string& text) override { _label->setText(QString::fromStdString(text)); }

private:
    QLabel* _label;
};
