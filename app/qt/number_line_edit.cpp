#include "app/qt/number_line_edit.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include <variant>

// Keeps the formatter and lets the QLineEdit hold only whole texts it
// accepts.
class NumberFormatterValidator : public QValidator {
public:
    NumberFormatterValidator(std::unique_ptr<NumberFormatter> formatter, QObject* parent)
        : QValidator(parent), _formatter(std::move(formatter))
    {
    }

    const NumberFormatter& formatter() const { return *_formatter; }

    State validate(QString& input, int& /*position*/) const override
    {
        return _formatter->isAcceptable(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    std::unique_ptr<NumberFormatter> _formatter;
};

NumberLineEdit::NumberLineEdit(QWidget* parent) : QLineEdit(parent) {}

void NumberLineEdit::setFormatter(std::unique_ptr<NumberFormatter> formatter)
{
    _validator = new NumberFormatterValidator(std::move(formatter), this);
    setValidator(_validator);
}

void NumberLineEdit::insertThroughFormatter(const QString& text)
{
    if (isReadOnly()) {
        return;
    }
    if (_validator == nullptr) {
        insert(text);
        return;
    }
    const QString current = this->text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    const auto outcome = _validator->formatter().insertion(current.left(start).toStdString(), text.toStdString(), current.mid(end).toStdString());
    if (const auto* refusal = std::get_if<NumberFormatter::Refusal>(&outcome)) {
        emit textRefused(QString::fromStdString(refusal->refusedText));
        return;
    }
    insert(QString::fromStdString(std::get<NumberFormatter::Insertion>(outcome).text));
}

void NumberLineEdit::pasteThroughFormatter(QClipboard::Mode mode)
{
    insertThroughFormatter(QGuiApplication::clipboard()->text(mode));
}

void NumberLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteThroughFormatter(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (!command && !typed.isEmpty() && typed.front().isPrint()) {
        insertThroughFormatter(typed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // A plain commit is text put in; composing is left to the field.
    if (event->preeditString().isEmpty() && event->replacementLength() == 0 && !event->commitString().isEmpty()) {
        insertThroughFormatter(event->commitString());
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void NumberLineEdit::dropEvent(QDropEvent* event)
{
    // A drag within the field moves its own text, which is already a number.
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insertThroughFormatter(event->mimeData()->text());
    event->acceptProposedAction();
}

void NumberLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteThroughFormatter(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The standard Paste would bypass the formatter's reading: the action
    // connected to paste() is rewired. Qt connects it by name in some
    // versions and by member pointer in others.
    for (QAction* action : menu->actions()) {
        if (QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, [this] { pasteThroughFormatter(QClipboard::Clipboard); });
        }
    }
    menu->exec(event->globalPos());
}
