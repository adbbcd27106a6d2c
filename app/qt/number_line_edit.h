#pragma once

// The entry field: a QLineEdit whose every way of putting text in (typing,
// pasting by key, menu or middle click, dropping, an input method's commit)
// goes through the Controller's NumberFormatter, which reads what was put in
// as the number it stands for or refuses it. A refusal leaves the text as it
// was and is told through textRefused(); what it means is the core's.

#include "app/number_formatter.h"

#include <QClipboard>
#include <QLineEdit>

#include <memory>

class NumberFormatterValidator;

class NumberLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberLineEdit(QWidget* parent = nullptr);

    // The field keeps the formatter, and also judges every whole text with
    // it, as a last guard.
    void setFormatter(std::unique_ptr<NumberFormatter> formatter);

signals:
    // Text that was not let in, as the formatter names it.
    void textRefused(const QString& refusedText);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // In place of the selection, or at the cursor.
    void insertThroughFormatter(const QString& text);
    void pasteThroughFormatter(QClipboard::Mode mode);

    // Owns the formatter; a child of the field.
    NumberFormatterValidator* _validator = nullptr;
};
