#pragma once

// Copies the whole answer with one keystroke: the standard Copy key in a
// watched widget with nothing selected puts the result area's text on the
// clipboard. With a selection the widget copies it as usual.

#include <QObject>
#include <QPlainTextEdit>

class AnswerCopier : public QObject {
public:
    // Watches the result area itself; watch() adds other widgets.
    AnswerCopier(QPlainTextEdit* result, QObject* parent);

    void watch(QWidget* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* _result;
};
