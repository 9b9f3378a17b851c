#pragma once
class CWnd;
class DialogUnits;
class QWidget;

namespace res {
struct DialogTemplate;
}

// Creates the controls of a template inside a container and routes their notifications to the owner.
void BuildDialogControls(const res::DialogTemplate& t, QWidget* container, const DialogUnits& units,
                         CWnd& owner);
