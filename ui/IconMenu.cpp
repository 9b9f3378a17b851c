#include "ui/IconMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QMenu>
#include <algorithm>
#include <set>

#include "res/Images.h"
#include "res/MenuTemplate.h"
#include "ui/IconMenuPainter.h"
#include "ui/IconMenuPopup.h"
#include "ui/MenuBitmap.h"
#include "ui/MenuSystemMetrics.h"

namespace {

// The drop-downs built by any icon menu.
std::set<const QObject*>& IconMenuHandles() {
    static std::set<const QObject*> handles;
    return handles;
}

}  // namespace

IconMenu::IconMenu() = default;

IconMenu::~IconMenu() {
    DestroyMenu();
}

QMenu* IconMenu::NewPopupWidget() {
    return new IconMenuPopup;
}

bool IconMenu::IsIconMenu(const QObject* menu) {
    return menu && IconMenuHandles().count(menu) > 0;
}

void IconMenu::DestroyMenu() {
    IconMenuHandles().erase(GetSafeHmenu());
    for (const QObject* handle : m_subHandles)
        IconMenuHandles().erase(handle);
    m_subHandles.clear();
    // Each drop-down's object takes its own drop-down with it.
    m_subMenus.clear();
    CMenu::DestroyMenu();
    // The items are gone, so nothing points at the records any more.
    m_records.clear();
}

bool IconMenu::LoadMenu(int resourceId) {
    const auto* items = res::FindMenuTemplate(resourceId);
    if (!items)
        return false;
    DestroyMenu();
    if (!CreateMenu())
        return false;
    struct Level {
        IconMenu* menu;
        bool ended;
    };
    std::vector<Level> levels{{this, false}};
    for (const res::MenuTemplateItem& item : *items) {
        if (levels.empty())
            break;
        const QString label = QString::fromStdU16String(item.label);
        const bool end = item.option & res::MF_END_OPT;
        const UINT flags = item.option & ~res::MF_END_OPT;
        IconMenu* current = levels.back().menu;
        if (flags & MF_POPUP) {
            // A popup with the end mark is the last item of its level, which closes with it.
            if (end)
                levels.back().ended = true;
            auto sub = std::make_unique<IconMenu>();
            sub->CreatePopupMenu();
            sub->m_checkMarks = m_checkMarks;
            sub->m_checkMarksShared = true;
            IconMenu* subMenu = sub.get();
            current->m_subMenus.push_back(std::move(sub));
            current->AppendIconItem(label, flags, reinterpret_cast<uintptr_t>(subMenu->PopupWidget()), -1);
            levels.push_back({subMenu, false});
            continue;
        }
        current->AppendIconItem(label, flags, item.id, -1);
        if (end) {
            levels.back().ended = true;
            while (!levels.empty() && levels.back().ended) {
                levels.back().menu->AlignAccelerators();
                levels.pop_back();
            }
        }
    }
    // The bar line itself stays drawn by the system.
    for (int position = 0; position < GetRecordCount(); ++position) {
        MenuItemRecord& record = *m_records[position];
        const UINT kind = record.IsPopup() ? MF_POPUP : MF_STRING;
        ModifyMenu(position, kind | MF_BYPOSITION, record.id, record.text);
        record.flags = kind | MF_BYPOSITION;
    }
    return true;
}

bool IconMenu::AppendIconItem(const QString& text, UINT flags, uintptr_t id, int imageId) {
    if (id == 0)
        flags = (flags & MF_BYPOSITION) ? (MF_SEPARATOR | MF_OWNERDRAW | MF_BYPOSITION)
                                        : (MF_SEPARATOR | MF_OWNERDRAW);
    else
        flags |= MF_OWNERDRAW;
    if (flags & MF_POPUP) {
        auto* popup = reinterpret_cast<QMenu*>(id);
        IconMenuHandles().insert(popup);
        QObject::connect(popup, &QObject::destroyed, [popup] { IconMenuHandles().erase(popup); });
        m_subHandles.push_back(popup);
    }
    auto owned = std::make_unique<MenuItemRecord>();
    MenuItemRecord& record = *owned;
    record.imageId = imageId;
    record.text = text;
    m_records.push_back(std::move(owned));
    if (imageId >= 0)
        AssignImage(record, imageId);
    record.flags = flags;
    record.id = id;
    return AppendMenu(flags, id, QString(), reinterpret_cast<uintptr_t>(&record));
}

void IconMenu::AssignImage(MenuItemRecord& record, int imageId) {
    record.imageId = imageId;
    // No toolbar resource shares an id with the menu bitmaps, so the image is always the first.
    record.imageIndex = imageId >= 0 ? 0 : -1;
    record.imageList.reset();
    const QImage cell = MenuCellImage(res::LoadBitmapResource(imageId).toImage(), kImageWidth, kImageHeight,
                                      MenuSystemMetrics::Current());
    if (cell.isNull()) {
        record.imageId = -1;
        record.imageIndex = -1;
        return;
    }
    record.imageList = std::make_unique<QImage>(cell);
}

bool IconMenu::SetItemImage(const std::optional<QString>& text, UINT command, int imageId) {
    int position = -1;
    IconMenu* owner = FindItemOwner(command, position);
    MenuItemRecord* record = nullptr;
    if (owner && position < owner->GetRecordCount()) {
        record = owner->m_records[position].get();
    } else {
        m_records.push_back(std::make_unique<MenuItemRecord>());
        record = m_records.back().get();
    }
    if (text)
        record->text = *text;
    AssignImage(*record, imageId);
    record->flags = MF_OWNERDRAW;
    record->id = command;
    ModifyMenu(command, MF_BYCOMMAND | MF_OWNERDRAW, command, QString(), reinterpret_cast<uintptr_t>(record));
    return owner != nullptr;
}

IconMenu* IconMenu::FindItemOwner(UINT command, int& position) {
    for (int i = 0; i < GetMenuItemCount(); ++i) {
        if (auto* sub = dynamic_cast<IconMenu*>(FromHandlePermanent(GetSubMenu(i)))) {
            if (IconMenu* owner = sub->FindItemOwner(command, position))
                return owner;
        } else if (GetMenuItemID(i) == command) {
            position = i;
            return this;
        }
    }
    position = -1;
    return nullptr;
}

bool IconMenu::GetItemText(UINT idOrPosition, QString& text, bool byPosition) const {
    const IconMenu* owner = this;
    int position = static_cast<int>(idOrPosition);
    if (!byPosition)
        owner = const_cast<IconMenu*>(this)->FindItemOwner(idOrPosition, position);
    const MenuItemRecord* record = owner ? owner->GetItemRecord(position) : nullptr;
    if (!record)
        return false;
    text = record->text;
    return true;
}

const MenuItemRecord* IconMenu::GetItemRecord(int position) const {
    if (position < 0 || position >= GetRecordCount())
        return nullptr;
    return m_records[position].get();
}

void IconMenu::AlignAccelerators() {
    const QFontMetrics fm(MenuSystemMetrics::Current().menuFont);
    int widest = 0;
    for (const auto& record : m_records)
        widest = std::max(widest, fm.horizontalAdvance(record->LabelPart() + u' '));
    for (const auto& record : m_records) {
        const qsizetype tab = record->text.indexOf(u'\t');
        if (tab < 0)
            continue;
        QString label = record->text.left(tab);
        while (fm.horizontalAdvance(label) < widest)
            label += u' ';
        record->text = label + record->text.mid(tab);
    }
}

void IconMenu::MeasureItem(MEASUREITEMSTRUCT* request) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(request->itemData);
    if (!record)
        return;
    const MenuSystemMetrics metrics = MenuSystemMetrics::Current();
    if (record->IsSeparator()) {
        request->itemWidth = 0;
        request->itemHeight = static_cast<UINT>(metrics.menuBarHeight / 2);
        return;
    }
    // The tab is one character of the label, not a jump to a tab stop.
    const QFontMetrics fm(metrics.menuFont);
    const QString text = QString(record->text).replace(u'\t', u' ');
    request->itemWidth = static_cast<UINT>(fm.horizontalAdvance(text) + 2 * kImageWidth + 1);
    request->itemHeight = static_cast<UINT>(std::max(kImageHeight + 4, metrics.menuBarHeight));
}

void IconMenu::DrawItem(DRAWITEMSTRUCT* request) {
    const auto* record = reinterpret_cast<const MenuItemRecord*>(request->itemData);
    if (!record || !request->hDC)
        return;
    // An item of an exclusive group brings its own check mark, a dot.
    bool ownCheckMark = false;
    if (request->hwndItem) {
        for (const QAction* action : request->hwndItem->actions()) {
            if (GetItemData(action) == request->itemData) {
                ownCheckMark = action->actionGroup() && action->actionGroup()->isExclusive();
                break;
            }
        }
    }
    IconMenuPainter(*request->hDC, MenuSystemMetrics::Current(), kImageWidth, kImageHeight)
        .Draw(*record, request->rcItem, request->itemState, ownCheckMark);
}
