#pragma once
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "framework/CMenu.h"
#include "ui/MenuItemRecord.h"

class QMenu;

// The main window's menu: a plain bar whose drop-down items are drawn here, each with a
// 16 x 15 image cell, the label and the right-aligned accelerator, and whose mnemonics in an
// open drop-down are resolved here. Every drop-down it builds has an IconMenu of its own,
// owned by the menu whose item opens it.
class IconMenu : public CMenu {
public:
    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;
    static constexpr LRESULT MNC_EXECUTE = 2;

    IconMenu();
    ~IconMenu() override;

    void DrawItem(DRAWITEMSTRUCT* request) override;
    void MeasureItem(MEASUREITEMSTRUCT* request) override;
    // Builds the bar from a menu template; false (and nothing built) when there is none.
    bool LoadMenu(int resourceId) override;
    void DestroyMenu() override;

    // Appends an owner-drawn item; id 0 makes a separator, MF_POPUP takes the drop-down's
    // QMenu* as id. An image id of 0 or more assigns that bitmap.
    bool AppendIconItem(const QString& text, UINT flags, uintptr_t id, int imageId);
    // Gives the item with that command, anywhere in this menu tree, an image and, when text is
    // given, a new label. False when no item has that command.
    bool SetItemImage(const std::optional<QString>& text, UINT command, int imageId);
    bool SetItemImage(const QString* text, UINT command, int imageId) {
        return SetItemImage(text ? std::optional<QString>(*text) : std::nullopt, command, imageId);
    }
    // The label by position in this menu, or by command anywhere in the tree.
    bool GetItemText(UINT idOrPosition, QString& text, bool byPosition) const;
    // The menu in this tree that holds the command, and its position there; nullptr and -1
    // when there is none. Drop-downs are searched as they are met.
    IconMenu* FindItemOwner(UINT command, int& position);
    const MenuItemRecord* GetItemRecord(int position) const;
    int GetRecordCount() const { return static_cast<int>(m_records.size()); }

    // Whether the drop-down was built by an icon menu.
    static bool IsIconMenu(const QObject* menu);
    // The answer to a menu character: MNC_EXECUTE << 16 | position of the first item whose
    // label holds "&" and the character, letter case ignored; 0 for none or a menu that is
    // no drop-down of an icon menu.
    static LRESULT FindMnemonic(UINT character, UINT flags, QMenu* menu);

    // Rebuilds the records from the menu's items after changes made around this object.
    void Synchronise();

protected:
    QMenu* NewPopupWidget() override;

private:
    struct CheckMarks {
        const void* imageList = nullptr;  // image-based check marks: not used by this program
        int selected = -1;
        int unselected = -1;
    };

    void AssignImage(MenuItemRecord& record, int imageId);
    // Pads each label before its tab so that the accelerators start past the widest label.
    void AlignAccelerators();
    void ReapplyRecord(int position, const MenuItemRecord& record);

    std::vector<std::unique_ptr<MenuItemRecord>> m_records;
    // Kept as plain addresses: they must leave the process-wide list even after their window
    // deleted them.
    std::vector<const QObject*> m_subHandles;
    std::vector<std::unique_ptr<IconMenu>> m_subMenus;
    CheckMarks m_checkMarks;
    bool m_checkMarksShared = false;
};
