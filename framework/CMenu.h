#pragma once
#include <QString>
#include <map>

#include "framework/WinDefs.h"

class CWnd;
class QAction;
class QMenu;
class QMenuBar;

// A window menu loaded from a menu template: a bar with drop-down menus whose items send
// their command ids to the target window.
class CMenu {
public:
    CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    virtual bool LoadMenu(int resourceId);
    virtual void DestroyMenu();

    QMenuBar* MenuBarWidget() const { return m_bar; }
    void SetCommandTarget(CWnd* target) { m_target = target; }

    // Previous state (MF_ENABLED or MF_GRAYED | MF_DISABLED), or 0xFFFFFFFF when there is no such item.
    UINT EnableMenuItem(UINT id, UINT enable);
    UINT GetMenuState(UINT id) const;
    bool IsCommandEnabled(UINT id) const;
    QAction* FindCommand(UINT id) const;

protected:
    QMenuBar* m_bar = nullptr;
    CWnd* m_target = nullptr;
    std::map<UINT, QAction*> m_commands;
};
