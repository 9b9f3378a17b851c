#pragma once
#include <QMenu>

// The widget of an icon menu's drop-down: its items are measured and drawn by the menu's
// owner-draw hooks (through IconMenuStyle) and its menu characters go to MenuCharFilter.
class IconMenuPopup : public QMenu {
    Q_OBJECT
public:
    explicit IconMenuPopup(QWidget* parent = nullptr);

    // The item whose style option was made last: Qt makes an item's option right before it
    // asks the style to measure or draw that item.
    const QAction* StyledAction() const { return m_styledAction; }

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    mutable const QAction* m_styledAction = nullptr;
};
