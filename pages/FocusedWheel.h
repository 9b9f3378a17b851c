#pragma once
#include <QObject>

class QWidget;

// Lists and sliders take the wheel only while they hold the focus, as on the panel's platform, so
// scrolling over a window never changes a value the user is not working on. Made with the page or
// dialog once its controls exist, it looks after every drop-down list and slider inside it.
class FocusedWheel : public QObject {
    Q_OBJECT
public:
    explicit FocusedWheel(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
