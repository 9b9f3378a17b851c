#include "framework/CMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <vector>

#include "framework/CWnd.h"
#include "res/MenuTemplate.h"

namespace {

constexpr const char* kIdProperty = "bmkMenuId";
constexpr const char* kDataProperty = "bmkMenuData";
constexpr const char* kOwnerDrawProperty = "bmkOwnerDraw";

std::map<const QObject*, CMenu*>& PermanentMap() {
    static std::map<const QObject*, CMenu*> map;
    return map;
}

// Depth first, as the system searches a menu by command.
QAction* FindCommandIn(QWidget* handle, UINT id, QWidget** container = nullptr) {
    if (!handle)
        return nullptr;
    for (QAction* action : handle->actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindCommandIn(sub, id, container))
                return found;
        } else if (!action->isSeparator() && CMenu::GetItemId(action) == id) {
            if (container)
                *container = handle;
            return action;
        }
    }
    return nullptr;
}

// The state, text and data an item takes from its flags.
void ApplyFlags(QAction* action, UINT flags, UINT id, const QString& text, uintptr_t itemData) {
    const bool separator = flags & MF_SEPARATOR;
    const bool ownerDraw = flags & MF_OWNERDRAW;
    if (!action->menu())
        action->setSeparator(separator);
    action->setText(ownerDraw || separator ? QString() : text);
    action->setEnabled(!(flags & (MF_GRAYED | MF_DISABLED)));
    action->setCheckable(flags & MF_CHECKED);
    action->setChecked(flags & MF_CHECKED);
    action->setProperty(kIdProperty, separator || (flags & MF_POPUP) ? 0u : id);
    action->setProperty(kDataProperty, QVariant::fromValue<quintptr>(itemData));
    action->setProperty(kOwnerDrawProperty, ownerDraw);
}

// WM_COMMAND to the window of the nearest menu object up the handle's parent chain that has one.
void DeliverCommand(const QAction* action) {
    const UINT id = CMenu::GetItemId(action);
    for (const QObject* o = action->parent(); o; o = o->parent()) {
        CMenu* menu = CMenu::FromHandlePermanent(o);
        if (CWnd* target = menu ? menu->GetCommandTarget() : nullptr) {
            target->OnCommand(static_cast<int>(id), 0);
            return;
        }
    }
}

QAction* NewCommandAction(QWidget* handle) {
    auto* action = new QAction(handle);
    QObject::connect(action, &QAction::triggered, action, [action] { DeliverCommand(action); });
    return action;
}

// A drop-down lives inside the menu that shows it, so that commands find their window.
void AdoptPopup(QWidget* handle, QMenu* popup) {
    if (popup->parent() != handle)
        popup->setParent(handle, popup->windowFlags());
}

bool AppendToHandle(QWidget* handle, UINT flags, uintptr_t idOrPopup, const QString& text,
                    uintptr_t itemData) {
    if (!handle)
        return false;
    QAction* action = nullptr;
    if (flags & MF_POPUP) {
        auto* popup = reinterpret_cast<QMenu*>(idOrPopup);
        if (!popup)
            return false;
        AdoptPopup(handle, popup);
        action = popup->menuAction();
    } else {
        action = NewCommandAction(handle);
    }
    handle->addAction(action);
    ApplyFlags(action, flags, static_cast<UINT>(idOrPopup), text, itemData);
    return true;
}

}  // namespace

CMenu::CMenu() = default;

CMenu::~CMenu() {
    DestroyMenu();
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

void CMenu::AttachHandle(QWidget* handle) {
    m_hMenu = handle;
    PermanentMap()[handle] = this;
    // A window that deletes the menu with itself takes the entry along, so that no later
    // widget at the same address passes for this menu.
    QObject::connect(handle, &QObject::destroyed, [handle] { PermanentMap().erase(handle); });
}

bool CMenu::CreateMenu() {
    if (m_hMenu)
        return false;
    auto* bar = new QMenuBar;
    bar->setNativeMenuBar(false);
    AttachHandle(bar);
    return true;
}

bool CMenu::CreatePopupMenu() {
    if (m_hMenu)
        return false;
    QMenu* menu = NewPopupWidget();
    menu->setSeparatorsCollapsible(false);
    AttachHandle(menu);
    return true;
}

QMenu* CMenu::NewPopupWidget() {
    return new QMenu;
}

void CMenu::DestroyMenu() {
    for (auto it = PermanentMap().begin(); it != PermanentMap().end();) {
        if (it->second == this)
            it = PermanentMap().erase(it);
        else
            ++it;
    }
    // The window may have deleted the bar together with itself already.
    delete m_hMenu.data();
    m_hMenu = nullptr;
}

CMenu* CMenu::FromHandlePermanent(const QObject* handle) {
    auto it = PermanentMap().find(handle);
    return it == PermanentMap().end() ? nullptr : it->second;
}

QMenuBar* CMenu::MenuBarWidget() const {
    return qobject_cast<QMenuBar*>(m_hMenu.data());
}

QMenu* CMenu::PopupWidget() const {
    return qobject_cast<QMenu*>(m_hMenu.data());
}

bool CMenu::LoadMenu(int resourceId) {
    const auto* items = res::FindMenuTemplate(resourceId);
    if (!items)
        return false;
    DestroyMenu();
    CreateMenu();
    // Level stack as the template is walked; an end mark closes a level, and a level whose
    // popup carried the end mark closes together with that popup.
    struct Level {
        QMenu* menu;  // nullptr for the bar
        bool ended;
    };
    std::vector<Level> levels{{nullptr, false}};
    for (const res::MenuTemplateItem& item : *items) {
        if (levels.empty())
            break;
        const QString label = QString::fromStdU16String(item.label);
        const bool end = item.option & res::MF_END_OPT;
        const UINT flags = item.option & ~res::MF_END_OPT;
        Level& current = levels.back();
        QWidget* level = current.menu ? static_cast<QWidget*>(current.menu) : m_hMenu.data();
        if (flags & MF_POPUP) {
            if (end)
                current.ended = true;
            auto* popup = new QMenu;
            popup->setSeparatorsCollapsible(false);
            AppendToHandle(level, flags, reinterpret_cast<uintptr_t>(popup), label, 0);
            levels.push_back({popup, false});
            continue;
        }
        AppendToHandle(level, item.id == 0 && label.isEmpty() ? MF_SEPARATOR : flags, item.id, label, 0);
        if (end) {
            current.ended = true;
            while (!levels.empty() && levels.back().ended)
                levels.pop_back();
        }
    }
    return true;
}

bool CMenu::AppendMenu(UINT flags, uintptr_t idOrPopup, const QString& text, uintptr_t itemData) {
    return AppendToHandle(m_hMenu, flags, idOrPopup, text, itemData);
}

QAction* CMenu::FindItem(UINT item, UINT flags, QWidget** container) const {
    if (!m_hMenu)
        return nullptr;
    if (flags & MF_BYPOSITION) {
        const QList<QAction*> actions = m_hMenu->actions();
        if (container)
            *container = m_hMenu;
        return item < static_cast<UINT>(actions.size()) ? actions[item] : nullptr;
    }
    return FindCommandIn(m_hMenu, item, container);
}

bool CMenu::ModifyMenu(UINT item, UINT flags, uintptr_t idOrPopup, const QString& text, uintptr_t itemData) {
    QWidget* handle = nullptr;
    QAction* old = FindItem(item, flags, &handle);
    if (!old)
        return false;
    QAction* action = old;
    auto* newPopup = (flags & MF_POPUP) ? reinterpret_cast<QMenu*>(idOrPopup) : nullptr;
    if ((flags & MF_POPUP) && !newPopup)
        return false;
    // A plain item is changed in place; an item that gains or loses a drop-down is replaced,
    // and a drop-down that is replaced goes away.
    if (newPopup ? old->menu() != newPopup : old->menu() != nullptr) {
        if (newPopup) {
            AdoptPopup(handle, newPopup);
            action = newPopup->menuAction();
        } else {
            action = NewCommandAction(handle);
        }
        handle->insertAction(old, action);
        handle->removeAction(old);
        if (QMenu* oldPopup = old->menu())
            delete oldPopup;
        else
            delete old;
    }
    ApplyFlags(action, flags, static_cast<UINT>(idOrPopup), text, itemData);
    return true;
}

int CMenu::GetMenuItemCount() const {
    return m_hMenu ? static_cast<int>(m_hMenu->actions().size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const {
    const QAction* action = position >= 0 ? FindItem(static_cast<UINT>(position), MF_BYPOSITION) : nullptr;
    if (!action || action->menu())
        return 0xFFFFFFFF;
    return action->isSeparator() ? 0 : GetItemId(action);
}

QMenu* CMenu::GetSubMenu(int position) const {
    const QAction* action = position >= 0 ? FindItem(static_cast<UINT>(position), MF_BYPOSITION) : nullptr;
    return action ? action->menu() : nullptr;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const QAction* action = FindItem(item, flags);
    if (!action)
        return 0xFFFFFFFF;
    UINT state = action->isEnabled() ? MF_ENABLED : (MF_GRAYED | MF_DISABLED);
    if (action->isChecked())
        state |= MF_CHECKED;
    if (QMenu* popup = action->menu())
        state |= MF_POPUP | (static_cast<UINT>(popup->actions().size()) << 8);
    else if (action->isSeparator())
        state |= MF_SEPARATOR;
    return state;
}

QString CMenu::GetMenuString(UINT item, UINT flags) const {
    const QAction* action = FindItem(item, flags);
    return action ? action->text() : QString();
}

uintptr_t CMenu::GetItemData(const QAction* action) {
    return action->property(kDataProperty).value<quintptr>();
}

bool CMenu::IsOwnerDrawn(const QAction* action) {
    return action->property(kOwnerDrawProperty).toBool();
}

UINT CMenu::GetItemId(const QAction* action) {
    return action->property(kIdProperty).toUInt();
}

QAction* CMenu::FindCommand(UINT id) const {
    return FindCommandIn(m_hMenu, id);
}

bool CMenu::IsCommandEnabled(UINT id) const {
    QAction* action = FindCommand(id);
    return !action || action->isEnabled();
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) {
    QAction* action = FindItem(item, enable);
    if (!action)
        return 0xFFFFFFFF;
    const UINT previous = action->isEnabled() ? MF_ENABLED : (MF_GRAYED | MF_DISABLED);
    action->setEnabled(!(enable & (MF_GRAYED | MF_DISABLED)));
    return previous;
}
