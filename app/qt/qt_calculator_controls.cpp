#include "app/qt/qt_calculator_controls.h"

#include "app/number_formatter.h"
#include "app/text_reading.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Lets a QLineEdit take only the edits a NumberFormatter accepts; a refused
// keystroke or paste leaves the text as it was.
class NumberFormatterValidator : public QValidator {
public:
    NumberFormatterValidator(std::unique_ptr<NumberFormatter> formatter, QObject* parent)
        : QValidator(parent), _formatter(std::move(formatter))
    {
    }

    State validate(QString& input, int& /*position*/) const override
    {
        return _formatter->isAcceptable(input.toStdString()) ? Acceptable : Invalid;
    }

private:
    std::unique_ptr<NumberFormatter> _formatter;
};

} // namespace

const QtTextField::Readings& QtTextField::readings() const
{
    const QString text = _control->property("text").toString();
    // An unchanged text shares its buffer with the kept copy, which makes
    // the common case a pointer comparison.
    if (text.isSharedWith(_readings.text) || text == _readings.text) {
        return _readings;
    }
    _readings.text = text;
    _readings.string = text.toStdString();
    _readings.intValue = TextReading::intValue(_readings.string);
    _readings.floatValue = TextReading::floatValue(_readings.string);
    return _readings;
}

void QtTextField::setFormatter(std::unique_ptr<NumberFormatter> formatter)
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(_control)) {
        lineEdit->setValidator(new NumberFormatterValidator(std::move(formatter), lineEdit));
    }
}
