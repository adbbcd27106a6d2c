#include "app/qt/qt_calculator_controls.h"

#include "app/number_formatter.h"
#include "app/qt/number_line_edit.h"
#include "app/text_reading.h"

#include <QAccessible>
#include <QLocale>
#include <QtGlobal>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace {

// A separator is one character; a locale that writes it with more (none
// known) falls back to the C locale's.
char32_t firstCharacter(const QString& text, char32_t fallback)
{
    const QList<uint> characters = text.toUcs4();
    return characters.size() == 1 ? characters.front() : fallback;
}

NumberSymbols localeSymbols()
{
    const QLocale locale;
    const NumberSymbols c;
    return {
        .decimalSeparator = firstCharacter(locale.decimalPoint(), c.decimalSeparator),
        .groupSeparator = firstCharacter(locale.groupSeparator(), c.groupSeparator),
    };
}

} // namespace

QtTextField::QtTextField(QWidget* control) : _control(control), _symbols(localeSymbols()) {}

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
    _readings.floatValue = TextReading::floatValue(_readings.string, _symbols);
    return _readings;
}

void QtTextField::setFormatter(std::unique_ptr<NumberFormatter> formatter)
{
    if (auto* field = qobject_cast<NumberLineEdit*>(_control)) {
        field->setFormatter(std::move(formatter));
    }
}

void QtTextField::setAccessibleDescription(const std::string& description)
{
    const QString text = QString::fromStdString(description);
    // Only a changed sentence is news to assistive technology.
    if (_control->accessibleDescription() != text) {
        _control->setAccessibleDescription(text);
    }
}

void QtTextView::setString(const std::string& text)
{
    const QString answer = QString::fromStdString(text);
    _view->setPlainText(answer);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(_view, answer);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#endif
}
