#pragma once
#include <QObject>

class QWidget;

// Tab enters a radio group on its checked button, as the panel's dialogs do. Qt instead tabs to
// the button of the group that last had the focus, which after a load or the factory reset is
// often the unchecked one, where the arrow keys choose nothing. Made with the page once its
// button groups exist, it looks after every group inside it.
class CheckedRadioFocus : public QObject {
    Q_OBJECT
public:
    explicit CheckedRadioFocus(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
