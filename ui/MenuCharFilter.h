#pragma once
#include <QObject>

// Stands for the window's menu-character handler: a printable key in an open drop-down that
// an icon menu built is answered by IconMenu::FindMnemonic, and the item found is chosen as if
// with Enter; any other drop-down keeps Qt's own mnemonic handling.
class MenuCharFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
