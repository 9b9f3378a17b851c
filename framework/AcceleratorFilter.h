#pragma once
#include <QObject>
#include <vector>

#include "res/MenuTemplate.h"

class CWnd;
class CMenu;

// Offers every key press meant for the target window or any of its descendants to an
// accelerator table before the focused control sees it; a match becomes a command for the
// target, unless the menu shows that command grayed.
class AcceleratorFilter : public QObject {
    Q_OBJECT
public:
    AcceleratorFilter(CWnd& target, int tableId);
    ~AcceleratorFilter() override;
    void SetMenu(const CMenu* menu) { m_menu = menu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CWnd& m_target;
    const CMenu* m_menu = nullptr;
    std::vector<res::Accelerator> m_table;
};
