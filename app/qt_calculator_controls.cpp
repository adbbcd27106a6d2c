#include "qt_calculator_controls.h"

#include "number_formatter.h"
#include "text_reading.h"

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

std::string QtTextField::stringValue() const
{
    return _control->property("text").toString().toStdString();
}

int32_t QtTextField::intValue() const
{
    return TextReading::intValue(stringValue());
}

float QtTextField::floatValue() const
{
    return TextReading::floatValue(stringValue());
}

void QtTextField::setFormatter(std::unique_ptr<NumberFormatter> formatter)
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(_control)) {
        lineEdit->setValidator(new NumberFormatterValidator(std::move(formatter), lineEdit));
    }
}
