// The window for keyboard-only and screen-reader users: the focus stays in
// the entry field, the reason line is its accessible description, answers
// are announced, Ctrl+C copies the answer and Escape clears.

#include "calculator_window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QtGlobal>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the accessibility events Qt would send to assistive technology.
class AccessibilityEvents {
public:
    // Qt sends nothing while no assistive technology is active, so this
    // switches its accessibility on, as a screen reader's arrival does.
    AccessibilityEvents() : platform(QGuiApplicationPrivate::platformIntegration()->accessibility())
    {
        recorded().clear();
        QAccessible::installUpdateHandler(&record);
        if (platform != nullptr) {
            platform->setActive(true);
        }
    }
    ~AccessibilityEvents()
    {
        if (platform != nullptr) {
            platform->setActive(false);
        }
        QAccessible::installUpdateHandler(nullptr);
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    struct Event {
        QObject* object;
        QAccessible::Event type;
        QString text;
    };

    // Of one type, for one object.
    std::vector<Event> of(QObject* object, QAccessible::Event type) const
    {
        std::vector<Event> found;
        for (const Event& event : recorded()) {
            if (event.object == object && event.type == type) {
                found.push_back(event);
            }
        }
        return found;
    }

private:
    QPlatformAccessibility* platform;

    static std::vector<Event>& recorded()
    {
        static std::vector<Event> events;
        return events;
    }

    static void record(QAccessibleEvent* event)
    {
        QString text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement) {
            text = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
        }
#endif
        recorded().push_back({event->object(), event->type(), text});
    }
};

TEST_F(CalculatorWindowTest, PressingAButtonLeavesTheFocusInTheEntryField)
{
    struct Row {
        const char* typed;
        QPushButton* button;
    };
    const Row rows[] = {{"72", factor}, {"72", squareRoot}, {"72", prime}, {"0.5", asFraction}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button->objectName().toStdString());
        input->clear();
        QTest::keyClicks(input, row.typed);
        QTest::mouseClick(row.button, Qt::LeftButton);
        EXPECT_FALSE(result->toPlainText().isEmpty());
        EXPECT_TRUE(input->hasFocus());
        QTest::keyClicks(input, "1");
        EXPECT_EQ(input->text(), QString(row.typed) + "1");
    }
}

TEST_F(CalculatorWindowTest, AButtonReachedByTabAndPressedWithSpaceGivesTheFocusBack)
{
    QTest::keyClicks(input, "12");
    QTest::keyClick(input, Qt::Key_Tab);
    ASSERT_TRUE(factor->hasFocus());
    QTest::keyClick(factor, Qt::Key_Space);
    EXPECT_EQ(result->toPlainText(), "1, 2, 3, 4, 6, 12 ");
    EXPECT_TRUE(input->hasFocus());
    // A mnemonic presses, after its brief animation, without moving the focus.
    QTest::keyClick(input, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return result->toPlainText() == "No"; }));
    EXPECT_TRUE(input->hasFocus());
}

TEST_F(CalculatorWindowTest, CtrlCWithNothingSelectedCopiesTheWholeAnswer)
{
    QTest::keyClicks(input, "72");
    QTest::mouseClick(factor, Qt::LeftButton);
    const QString answer = "1, 2, 3, 4, 6, 8, 9, 12, 18, 24, 36, 72 ";

    QApplication::clipboard()->clear();
    QTest::keySequence(input, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), answer);

    // With a selection, the selection.
    input->setSelection(0, 1);
    QTest::keySequence(input, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "7");

    // The same in the result area.
    result->setFocus();
    QApplication::clipboard()->clear();
    QTest::keySequence(result, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), answer);
    QTextCursor cursor = result->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    result->setTextCursor(cursor);
    QTest::keySequence(result, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "2");
}

TEST_F(CalculatorWindowTest, EscapeClearsTheFieldAndTheButtonsFollow)
{
    QTest::keyClicks(input, "72");
    ASSERT_TRUE(factor->isEnabled());
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_EQ(input->text(), "");
    EXPECT_FALSE(factor->isEnabled());
    EXPECT_EQ(reasonLine->text(), "All four buttons are off because the field is not filled: type a number.");
    // Undo brings the number back, as for any edit.
    QTest::keySequence(input, QKeySequence::Undo);
    EXPECT_EQ(input->text(), "72");
}

TEST_F(CalculatorWindowTest, TheReasonLineIsTheEntryFieldsAccessibleDescription)
{
    EXPECT_FALSE(reasonLine->text().isEmpty());
    EXPECT_FALSE(reasonLine->accessibleName().isEmpty());
    for (const char* typed : {"", "7", "-7", "-7.5", "7.5", "1000000000"}) {
        input->clear();
        QTest::keyClicks(input, typed);
        EXPECT_EQ(input->accessibleDescription(), reasonLine->text()) << typed;
        EXPECT_TRUE(reasonLine->isVisible());
    }
}

TEST_F(CalculatorWindowTest, TheDescriptionChangesOnlyWhenItsSentenceDoes)
{
    const AccessibilityEvents events;
    QTest::keyClicks(input, "1");
    const std::size_t afterFirst = events.of(input, QAccessible::DescriptionChanged).size();
    // "12" and "123" give the sentence of "1".
    QTest::keyClicks(input, "23");
    EXPECT_EQ(events.of(input, QAccessible::DescriptionChanged).size(), afterFirst);
    QTest::keyClicks(input, ".5");
    EXPECT_EQ(events.of(input, QAccessible::DescriptionChanged).size(), afterFirst + 1);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
TEST_F(CalculatorWindowTest, EveryAnswerIsAnnouncedPolitelyEvenWhenUnchanged)
{
    const AccessibilityEvents events;
    QTest::keyClicks(input, "7");
    QTest::mouseClick(prime, Qt::LeftButton);
    QTest::mouseClick(prime, Qt::LeftButton);
    const auto announcements = events.of(result, QAccessible::Announcement);
    ASSERT_EQ(announcements.size(), 2U);
    EXPECT_EQ(announcements[0].text, "Yes");
    EXPECT_EQ(announcements[1].text, "Yes");
}
#endif

} // namespace
