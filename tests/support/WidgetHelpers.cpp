#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

namespace testing_support {

void ShowAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void FocusControl(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), control);
}

void ExpectTabRound(const QStringList& names) {
    for (qsizetype i = 1; i <= names.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                  names[i % names.size()].toStdString());
    }
}

void TypeReplacing(QWidget* edit, const QString& text) {
    FocusControl(edit);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

void Click(QWidget* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void ChooseComboItem(QWidget* widget, int index) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    ASSERT_NE(combo, nullptr);
    FocusControl(combo);
    // Arrow steps on the closed list: each step is a user's selection.
    if (combo->currentIndex() < 0)
        QTest::keyClick(combo, Qt::Key_Home);
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
    ASSERT_EQ(combo->currentIndex(), index);
}

void TurnWheelOver(QWidget* control, int steps) {
    const QPoint global = control->mapToGlobal(control->rect().center());
    QWidget* under = QApplication::widgetAt(global);
    ASSERT_EQ(under, control) << "the mouse is not over " << control->objectName().toStdString();
    QWheelEvent wheel(under->mapFromGlobal(global), global, QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the window system: the focus the wheel gives, and the way on to the widgets behind.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(under, &wheel);
}

QString CaptionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    return QString();
}

}  // namespace testing_support
