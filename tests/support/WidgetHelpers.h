#pragma once
// Small helpers the widget tests share: show a window so that focus works, type, click.
#include <QString>

class CWnd;
class QWidget;

namespace testing_support {

// Shows the window and makes it the active one, so focus and key events behave as on a desktop.
void ShowAndActivate(QWidget* window);
// Puts the focus on a control (its window must be active).
void FocusControl(QWidget* control);
// Replaces an edit's whole text by typing, as a user would with the text selected.
void TypeReplacing(QWidget* edit, const QString& text);
// Clicks a button, radio button or check box with the mouse.
void Click(QWidget* button);
// Chooses a drop-down list item as the user does (the keyboard on the closed list).
void ChooseComboItem(QWidget* combo, int index);

}  // namespace testing_support
