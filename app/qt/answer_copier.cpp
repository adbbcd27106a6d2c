#include "app/qt/answer_copier.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool hasSelection(QObject* widget)
{
    if (const auto* field = qobject_cast<QLineEdit*>(widget)) {
        return field->hasSelectedText();
    }
    if (const auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        return text->textCursor().hasSelection();
    }
    return false;
}

} // namespace

AnswerCopier::AnswerCopier(QPlainTextEdit* result, QObject* parent) : QObject(parent), _result(result)
{
    watch(result);
}

bool AnswerCopier::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) ||
        hasSelection(watched)) {
        return false;
    }
    const QString answer = _result->toPlainText();
    if (!answer.isEmpty()) {
        QGuiApplication::clipboard()->setText(answer);
    }
    return true;
}
