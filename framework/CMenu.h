#pragma once
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "framework/WinDefs.h"

class CWnd;
class QAction;
class QMenu;
class QMenuBar;
class QPainter;

constexpr UINT MF_CHECKED = 0x8;

// Owner-draw requests for menu items.
constexpr UINT ODT_MENU = 1;
constexpr UINT ODS_SELECTED = 0x1;
constexpr UINT ODS_GRAYED = 0x2;
constexpr UINT ODS_DISABLED = 0x4;
constexpr UINT ODS_CHECKED = 0x8;

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    uintptr_t itemData = 0;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT itemID = 0;
    UINT itemState = 0;
    QMenu* hwndItem = nullptr;  // the drop-down that holds the item
    QPainter* hDC = nullptr;
    QRect rcItem;
    uintptr_t itemData = 0;
};

// A menu on a Qt widget, the menu "handle": a QMenuBar for a window's bar, a QMenu for a
// drop-down. Items are QActions; a command item carries its id, an owner-drawn item carries
// its item data and no text. A triggered command goes to the command target of the nearest
// menu object up the handle's parent chain (the bar's, for the window menu).
class CMenu {
public:
    CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    // Owner-draw hooks; the framework's menus draw nothing themselves.
    virtual void DrawItem(DRAWITEMSTRUCT* request);
    virtual void MeasureItem(MEASUREITEMSTRUCT* request);

    // Builds the bar and its drop-downs from a menu template; false when there is none.
    virtual bool LoadMenu(int resourceId);
    // Deletes the handle (with its drop-downs) unless its window already did.
    virtual void DestroyMenu();

    // A new empty bar or drop-down; false when this object holds a menu already.
    bool CreateMenu();
    bool CreatePopupMenu();
    QWidget* GetSafeHmenu() const { return m_hMenu; }
    QMenuBar* MenuBarWidget() const;
    QMenu* PopupWidget() const;
    // The menu object that created this handle, or nullptr.
    static CMenu* FromHandlePermanent(const QObject* handle);

    void SetCommandTarget(CWnd* target) { m_target = target; }
    CWnd* GetCommandTarget() const { return m_target; }

    // idOrPopup: the command id, or the QMenu* of a drop-down for MF_POPUP. With MF_OWNERDRAW
    // the text is ignored and itemData is kept with the item.
    bool AppendMenu(UINT flags, uintptr_t idOrPopup = 0, const QString& text = QString(),
                    uintptr_t itemData = 0);
    // The item at a position (MF_BYPOSITION) or with a command anywhere below this menu.
    bool ModifyMenu(UINT item, UINT flags, uintptr_t idOrPopup, const QString& text = QString(),
                    uintptr_t itemData = 0);

    int GetMenuItemCount() const;
    // 0 for a separator, 0xFFFFFFFF for a drop-down or no such position.
    UINT GetMenuItemID(int position) const;
    QMenu* GetSubMenu(int position) const;
    // MF_GRAYED | MF_DISABLED, MF_CHECKED, MF_SEPARATOR; for a drop-down MF_POPUP with its item
    // count in the high byte. 0xFFFFFFFF when there is no such item.
    UINT GetMenuState(UINT item, UINT flags = MF_BYCOMMAND) const;
    QString GetMenuString(UINT item, UINT flags = MF_BYCOMMAND) const;
    static uintptr_t GetItemData(const QAction* action);
    static bool IsOwnerDrawn(const QAction* action);
    static UINT GetItemId(const QAction* action);

    // Previous state (MF_ENABLED or MF_GRAYED | MF_DISABLED), or 0xFFFFFFFF when there is no such item.
    UINT EnableMenuItem(UINT item, UINT enable);
    bool IsCommandEnabled(UINT id) const;
    QAction* FindCommand(UINT id) const;

protected:
    // The widget a new drop-down handle is made of.
    virtual QMenu* NewPopupWidget();

private:
    // The item and the menu widget that shows it.
    QAction* FindItem(UINT item, UINT flags, QWidget** container = nullptr) const;
    void AttachHandle(QWidget* handle);

    QPointer<QWidget> m_hMenu;
    CWnd* m_target = nullptr;
};
