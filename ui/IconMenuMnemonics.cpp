// The icon menu's answer to menu characters, and the record list kept in step with the menu.
#include <QAction>
#include <QMenu>

#include "ui/IconMenu.h"

LRESULT IconMenu::FindMnemonic(UINT character, UINT flags, QMenu* menu) {
    if (!(flags & MF_POPUP) || !menu)
        return 0;
    auto* owner = dynamic_cast<IconMenu*>(FromHandlePermanent(menu));
    if (!owner)
        return 0;
    const QString key = (QStringLiteral("&") + QChar(static_cast<char16_t>(character))).toLower();
    if (owner->GetMenuItemCount() != owner->GetRecordCount())
        owner->Synchronise();
    for (int position = 0; position < owner->GetRecordCount(); ++position) {
        if (owner->m_records[position]->text.toLower().contains(key))
            return (MNC_EXECUTE << 16) | position;
    }
    return 0;
}

void IconMenu::ReapplyRecord(int position, const MenuItemRecord& record) {
    ModifyMenu(static_cast<UINT>(position), record.flags | MF_BYPOSITION, record.id, QString(),
               reinterpret_cast<uintptr_t>(&record));
}

void IconMenu::Synchronise() {
    for (auto& record : m_records)
        record->seen = false;
    auto takeUnseen = [this](auto matches) -> std::unique_ptr<MenuItemRecord> {
        for (auto& record : m_records) {
            if (record && !record->seen && matches(*record)) {
                record->seen = true;
                return std::move(record);
            }
        }
        return nullptr;
    };
    std::vector<std::unique_ptr<MenuItemRecord>> rebuilt;
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        const UINT state = GetMenuState(static_cast<UINT>(position), MF_BYPOSITION);
        const QString label = GetMenuString(static_cast<UINT>(position), MF_BYPOSITION);
        std::unique_ptr<MenuItemRecord> record;
        if (QMenu* popup = GetSubMenu(position)) {
            const auto handle = reinterpret_cast<uintptr_t>(popup);
            record = takeUnseen([handle](const MenuItemRecord& r) { return r.IsPopup() && r.id == handle; });
            if (!record) {
                record = std::make_unique<MenuItemRecord>();
                record->text = label;
                record->id = handle;
                record->flags = ((state & 0xFF) & ~MF_POPUP) | MF_POPUP | MF_OWNERDRAW | MF_BYPOSITION;
                ReapplyRecord(position, *record);
            }
        } else if (state & MF_SEPARATOR) {
            record = takeUnseen([](const MenuItemRecord& r) { return r.IsSeparator() && r.id == 0; });
            if (!record) {
                record = std::make_unique<MenuItemRecord>();
                record->flags = MF_SEPARATOR | MF_OWNERDRAW;
            }
            ReapplyRecord(position, *record);
        } else {
            const UINT id = GetMenuItemID(position);
            record = takeUnseen(
                [id](const MenuItemRecord& r) { return !r.IsSeparator() && !r.IsPopup() && r.id == id; });
            if (!record) {
                record = std::make_unique<MenuItemRecord>();
                record->id = id;
            }
            // An owner-drawn item has no text of its own; its record keeps the label.
            if (!label.isEmpty())
                record->text = label;
            record->flags = (state & 0xFF) | MF_OWNERDRAW | MF_BYPOSITION;
            ReapplyRecord(position, *record);
        }
        record->seen = true;
        rebuilt.push_back(std::move(record));
    }
    // Records of items that went away are dropped with the old list.
    m_records = std::move(rebuilt);
}
