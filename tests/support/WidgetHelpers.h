#pragma once
// Small helpers the widget tests share: show a window so that focus works, type, click.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <stdexcept>

class QWidget;

namespace testing_support {

// Shows the window and makes it the active one, so focus and key events behave as on a desktop.
void ShowAndActivate(QWidget* window);
// Puts the focus on a control (its window must be active).
void FocusControl(QWidget* control);
// From the control with the focus, Tab visits the named controls in turn and comes round to the
// first again.
void ExpectTabRound(const QStringList& names);
// Replaces an edit's whole text by typing, as a user would with the text selected.
void TypeReplacing(QWidget* edit, const QString& text);
// Clicks a button, radio button or check box with the mouse.
void Click(QWidget* button);
// Chooses a drop-down list item as the user does (the keyboard on the closed list).
void ChooseComboItem(QWidget* combo, int index);
// Turns the mouse wheel with the mouse over the middle of a control, one notch per step (positive
// away from the user), delivered as the window system delivers it to the widget under the mouse.
void TurnWheelOver(QWidget* control, int steps);

// The caption a label, button or group box shows; empty for any other widget.
QString CaptionOf(const QWidget* widget);

// The named child of a page or window; a missing one ends the test with a clear message.
template <class T>
T* Child(const QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no child named ") + name);
    return child;
}

}  // namespace testing_support
