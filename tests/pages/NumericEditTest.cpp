// The numeric edit the pages share: what the user may type, the arrows, the store's check.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

#include "pages/NumericEdit.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

class NumericEditTest : public ::testing::Test {
protected:
    NumericEditTest() {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(arrows);
        layout->addWidget(other);
        arrows->setEdit(edit);
        edit->setRange(40, 132);
        ShowAndActivate(&window);
    }
    ScriptedUser user;
    QWidget window;
    NumericEdit* edit = new NumericEdit;
    SpinArrows* arrows = new SpinArrows;
    QLineEdit* other = new QLineEdit;
};

TEST_F(NumericEditTest, TypingTakesDigitsOnlyAndTheArrowsStayInTheRange) {
    TypeReplacing(edit, QStringLiteral("1a-2 3"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), QStringLiteral("125"));
    QTest::mouseClick(Child<QWidget>(arrows, "down"), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("124"));
    EXPECT_EQ(changes.count(), 3);
    // Out of the range, the first step lands on the nearest end; at an end, nothing changes.
    edit->setText(QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("40"));
    changes.clear();
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(changes.count(), 0);
    // The arrows never take the focus from the edit.
    QTest::mouseClick(Child<QWidget>(arrows, "up"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), edit);
}

TEST_F(NumericEditTest, TheStoresCheckNamesTheRangeFocusesAndSelects) {
    struct Case {
        const char* text;
        bool passes;
        QString message;
    } cases[] = {
        {"60", true, {}},
        {"133", false, QStringLiteral("40 から 132 までの整数を入力してください。")},
        {"", false, QStringLiteral("整数を入力してください。")},
        {"99999999999", false, QStringLiteral("整数を入力してください。")},
    };
    for (const Case& c : cases) {
        edit->setText(QString::fromLatin1(c.text));
        FocusControl(other);
        if (!c.passes)
            user.expectWarning(c.message, QCoreApplication::applicationName());
        int value = -1;
        EXPECT_EQ(edit->readValueInRange(value), c.passes) << c.text;
        if (c.passes) {
            EXPECT_EQ(value, 60);
            EXPECT_EQ(QApplication::focusWidget(), other);
        } else {
            EXPECT_EQ(QApplication::focusWidget(), edit) << c.text;
            EXPECT_EQ(edit->selectedText(), edit->text()) << c.text;
        }
    }
    edit->setText(QStringLiteral("133"));
    user.answerBox(QMessageBox::Ok);
    int value = 0;
    edit->readValueInRange(value);
    EXPECT_EQ(value, 133);  // what failed the range is what the caller keeps
}

TEST_F(NumericEditTest, TheUsersFocusIsTheWindowsOwnEvenWhenAnotherWindowIsActive) {
    FocusControl(edit);
    QWidget elsewhere;
    ShowAndActivate(&elsewhere);
    EXPECT_NE(QApplication::focusWidget(), edit);
    EXPECT_TRUE(edit->isUsersFocus());
    ShowAndActivate(&window);
    FocusControl(other);
    EXPECT_FALSE(edit->isUsersFocus());
}

}  // namespace
