#include "framework/CMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "framework/CWnd.h"
#include "res/MenuTemplate.h"

CMenu::CMenu() = default;

CMenu::~CMenu() {
    DestroyMenu();
}

void CMenu::DestroyMenu() {
    m_commands.clear();
    delete m_bar;
    m_bar = nullptr;
}

bool CMenu::LoadMenu(int resourceId) {
    const auto* items = res::FindMenuTemplate(resourceId);
    if (!items)
        return false;
    DestroyMenu();
    m_bar = new QMenuBar;
    m_bar->setNativeMenuBar(false);
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
        Level& current = levels.back();
        if (item.option & res::MF_POPUP_OPT) {
            if (end)
                current.ended = true;
            QMenu* popup = current.menu ? current.menu->addMenu(label) : m_bar->addMenu(label);
            levels.push_back({popup, false});
            continue;
        }
        if (!current.menu)
            continue;
        if (item.id == 0 && label.isEmpty()) {
            current.menu->addSeparator();
        } else {
            QAction* action = current.menu->addAction(label);
            const UINT id = item.id;
            action->setEnabled(!(item.option & res::MF_GRAYED_OPT));
            QObject::connect(action, &QAction::triggered, m_bar, [this, id] {
                if (m_target)
                    m_target->OnCommand(static_cast<int>(id), 0);
            });
            m_commands[id] = action;
        }
        if (end) {
            current.ended = true;
            while (!levels.empty() && levels.back().ended)
                levels.pop_back();
        }
    }
    return true;
}

QAction* CMenu::FindCommand(UINT id) const {
    auto it = m_commands.find(id);
    return it == m_commands.end() ? nullptr : it->second;
}

UINT CMenu::GetMenuState(UINT id) const {
    QAction* action = FindCommand(id);
    if (!action)
        return 0xFFFFFFFF;
    return action->isEnabled() ? MF_ENABLED : (MF_GRAYED | MF_DISABLED);
}

bool CMenu::IsCommandEnabled(UINT id) const {
    QAction* action = FindCommand(id);
    return !action || action->isEnabled();
}

UINT CMenu::EnableMenuItem(UINT id, UINT enable) {
    UINT previous = GetMenuState(id);
    if (QAction* action = FindCommand(id))
        action->setEnabled(!(enable & (MF_GRAYED | MF_DISABLED)));
    return previous;
}
