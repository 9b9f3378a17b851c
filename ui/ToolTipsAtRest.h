#pragma once
// The toolbar buttons' tooltips also for a mouse that comes to rest on a button without moving,
// as after a message box closes over it: Qt wakes tooltips on mouse moves only. The buttons are
// the bar's when this is made.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QToolBar;
class QToolButton;

class ToolTipsAtRest : public QObject {
    Q_OBJECT
public:
    explicit ToolTipsAtRest(QToolBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arm(QToolButton* button);
    void wakeUp();

    QList<QToolButton*> m_buttons;  // children of the bar, so alive as long as this
    QTimer m_wakeUp;
    QPointer<QToolButton> m_entered;
};
