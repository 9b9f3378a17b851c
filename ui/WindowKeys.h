#pragma once
#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

// The keys of one window that must not go where Qt sends them by default:
// - a command's key works wherever the focus is: Ctrl+C in an edit chooses the printer instead
//   of copying, and the key of a grayed command does nothing at all; it works too when keys
//   reach the window while it is not the active one;
// - a control's mnemonic wins over the menu bar's: with "フロントトラクタ(&F)" on the page shown,
//   Alt+F moves there and the file menu stays closed. The menu gets Alt+letter only when no
//   control shown has that mnemonic.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    explicit WindowKeys(QWidget* window);
    ~WindowKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* commandFor(const QKeyEvent* key) const;
    // The visible, enabled control outside the menu bar whose mnemonic is this key, the first
    // after the focus in tab order; nullptr when there is none.
    QWidget* controlFor(const QKeyEvent* key) const;

    QWidget* m_window;
};
