// The icon menu built from menu 142: structure, labels, images, lookups, mnemonics, measuring.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <vector>

#include "framework/CWnd.h"
#include "res/Images.h"
#include "tests/ui/IconMenuTestMetrics.h"
#include "ui/IconMenu.h"
#include "ui/MenuCharFilter.h"

using namespace testing_support;

namespace {

class CommandSink : public CWnd {
public:
    bool OnCommand(int id, int) override {
        commands.push_back(id);
        return true;
    }
    std::vector<int> commands;
};

IconMenu* DropDown(IconMenu& menu, int position) {
    return dynamic_cast<IconMenu*>(CMenu::FromHandlePermanent(menu.GetSubMenu(position)));
}

QString Text(const IconMenu& menu, UINT idOrPosition, bool byPosition) {
    QString text;
    EXPECT_TRUE(menu.GetItemText(idOrPosition, text, byPosition)) << idOrPosition;
    return text;
}

LRESULT Mnemonic(IconMenu* dropDown, char16_t c) {
    return IconMenu::FindMnemonic(c, MF_POPUP, dropDown->PopupWidget());
}

constexpr LRESULT Execute(int position) {
    return (IconMenu::MNC_EXECUTE << 16) | position;
}

struct ExpectedItem {
    UINT id;  // 0: separator
    const char* label;
    const char* accelerator;  // nullptr: no tab
};

const std::vector<std::vector<ExpectedItem>> kDropDowns = {
    {{32781, "設定ファイルの読み込み(&O)...", "Ctrl+O"},
     {32782, "設定ファイルへの書き込み(&S)...", "Ctrl+S"},
     {0, "", nullptr},
     {32784, "設定値をプリンタへ送信(&W)", "Ctrl+W"},
     {32785, "工場出荷設定を表示(&I)", "Ctrl+I"},
     {0, "", nullptr},
     {32798, "プリンタの選択(&C)...", "Ctrl+C"},
     {0, "", nullptr},
     {32783, "終了(&X)", "Alt+F4"}},
    {{32771, "機能選択(&K)", "Ctrl+K"},
     {32801, "パラメータ設定１（&P）", "Ctrl+P"},
     {32802, "パラメータ設定２（&L）", "Ctrl+L"},
     {32773, "メモリスイッチ１(&1)", "Ctrl+1"},
     {32778, "メモリスイッチ２(&2)", "Ctrl+2"},
     {32779, "メモリスイッチ３(&3)", "Ctrl+3"},
     {32780, "メモリスイッチ４(&4)", "Ctrl+4"}},
    {{32806, "ヘルプ目次(&H)", "F1"}, {0, "", nullptr}, {16, "バージョン情報(&A)...", nullptr}},
};

class IconMenuTest : public ::testing::Test {
protected:
    ScopedMenuMetrics metrics{FixedMenuMetrics()};
    IconMenu menu;
    CommandSink sink;

    void SetUp() override {
        ASSERT_TRUE(menu.LoadMenu(142));
        menu.SetCommandTarget(&sink);
    }
};

TEST_F(IconMenuTest, BarIsPlainTextWithThreeIconDropDowns) {
    ASSERT_NE(menu.MenuBarWidget(), nullptr);
    ASSERT_EQ(menu.GetMenuItemCount(), 3);
    const char* const titles[] = {"ファイル(&F)", "メニュー(&M)", "ヘルプ(&H)"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(menu.GetMenuString(i, MF_BYPOSITION), QString::fromUtf8(titles[i]));
        EXPECT_EQ(menu.GetItemRecord(i)->flags, MF_POPUP | MF_BYPOSITION);
        EXPECT_FALSE(CMenu::IsOwnerDrawn(menu.MenuBarWidget()->actions()[i]));
        ASSERT_NE(DropDown(menu, i), nullptr);
        EXPECT_TRUE(IconMenu::IsIconMenu(menu.GetSubMenu(i)));
    }
    EXPECT_FALSE(IconMenu::IsIconMenu(menu.MenuBarWidget()));
}

TEST_F(IconMenuTest, DropDownsHoldTheTemplateItemsWithAlignedAccelerators) {
    const QFontMetrics fm(FixedMenuMetrics().menuFont);
    for (int d = 0; d < 3; ++d) {
        IconMenu* dropDown = DropDown(menu, d);
        const auto& expected = kDropDowns[d];
        ASSERT_EQ(dropDown->GetMenuItemCount(), static_cast<int>(expected.size()));
        ASSERT_EQ(dropDown->GetRecordCount(), static_cast<int>(expected.size()));
        int widest = 0;
        for (const ExpectedItem& item : expected)
            widest = std::max(widest, fm.horizontalAdvance(QString::fromUtf8(item.label) + u' '));
        for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
            const ExpectedItem& item = expected[i];
            const MenuItemRecord* record = dropDown->GetItemRecord(i);
            EXPECT_TRUE(CMenu::IsOwnerDrawn(dropDown->PopupWidget()->actions()[i]));
            EXPECT_EQ(CMenu::GetItemData(dropDown->PopupWidget()->actions()[i]),
                      reinterpret_cast<uintptr_t>(record));
            EXPECT_EQ(dropDown->GetMenuItemID(i), item.id);
            if (item.id == 0) {
                EXPECT_EQ(record->flags, MF_SEPARATOR | MF_OWNERDRAW);
                EXPECT_TRUE(record->text.isEmpty());
                continue;
            }
            EXPECT_EQ(record->flags, MF_OWNERDRAW);
            EXPECT_EQ(record->id, item.id);
            const QString label = QString::fromUtf8(item.label);
            if (!item.accelerator) {
                EXPECT_EQ(record->text, label);
                continue;
            }
            // The label, padded with spaces past the widest label of the drop-down, the tab, the accelerator.
            const QString before = record->LabelPart();
            EXPECT_TRUE(before.startsWith(label)) << before.toStdString();
            EXPECT_EQ(before.mid(label.size()).trimmed(), QString());
            EXPECT_GE(fm.horizontalAdvance(before), widest);
            EXPECT_LT(fm.horizontalAdvance(before.chopped(1)), widest);
            EXPECT_EQ(record->text.mid(before.size()), u'\t' + QString::fromUtf8(item.accelerator));
            EXPECT_EQ(Text(menu, item.id, false), record->text);
        }
    }
    EXPECT_EQ(Text(*DropDown(menu, 2), 2, true), QStringLiteral("バージョン情報(&A)..."));
    QString none;
    EXPECT_FALSE(menu.GetItemText(4242, none, false));
    EXPECT_FALSE(menu.GetItemText(3, none, true));
}

TEST_F(IconMenuTest, MissingMenuBuildsNothing) {
    IconMenu other;
    EXPECT_FALSE(other.LoadMenu(999));
    EXPECT_EQ(other.GetSafeHmenu(), nullptr);
    EXPECT_EQ(other.GetRecordCount(), 0);
}

TEST_F(IconMenuTest, CommandsAndEnabledStatesKeepWorking) {
    menu.FindCommand(32785)->trigger();
    menu.FindCommand(16)->trigger();
    EXPECT_EQ(sink.commands, (std::vector<int>{32785, 16}));

    EXPECT_EQ(menu.EnableMenuItem(32784, MF_GRAYED | MF_DISABLED), MF_ENABLED);
    EXPECT_EQ(menu.GetMenuState(32784), MF_GRAYED | MF_DISABLED);
    EXPECT_FALSE(menu.IsCommandEnabled(32784));
    EXPECT_EQ(menu.EnableMenuItem(32784, MF_ENABLED), MF_GRAYED | MF_DISABLED);
    EXPECT_TRUE(menu.IsCommandEnabled(32784));
    EXPECT_EQ(menu.GetMenuState(4242), 0xFFFFFFFFu);
}

TEST_F(IconMenuTest, FindItemOwnerSearchesTheDropDowns) {
    int position = 99;
    EXPECT_EQ(menu.FindItemOwner(32784, position), DropDown(menu, 0));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(menu.FindItemOwner(32780, position), DropDown(menu, 1));
    EXPECT_EQ(position, 6);
    EXPECT_EQ(menu.FindItemOwner(16, position), DropDown(menu, 2));
    EXPECT_EQ(position, 2);
    EXPECT_EQ(menu.FindItemOwner(4242, position), nullptr);
    EXPECT_EQ(position, -1);
}

TEST_F(IconMenuTest, ItemImagesComeFromTheBitmapsInSystemColours) {
    const std::pair<UINT, int> images[] = {{32781, 160}, {32782, 161}, {32785, 163}, {32798, 164},
                                           {32784, 162}, {32771, 167}, {32801, 165}, {32802, 165},
                                           {32773, 166}, {32778, 166}, {32779, 166}, {32780, 166}};
    for (const auto& [command, bitmap] : images)
        EXPECT_TRUE(menu.SetItemImage(nullptr, command, bitmap));

    int position = -1;
    const MenuItemRecord* record = menu.FindItemOwner(32781, position)->GetItemRecord(position);
    ASSERT_TRUE(record->HasImage());
    EXPECT_EQ(record->imageId, 160);
    EXPECT_EQ(record->imageIndex, 0);
    EXPECT_EQ(record->flags, MF_OWNERDRAW);
    ASSERT_EQ(record->imageList->size(), QSize(16, 15));
    // Each cell pixel is the bitmap's, its greys mapped to the system colours and the face transparent.
    const QImage source = res::LoadBitmapResource(160).toImage().convertToFormat(QImage::Format_ARGB32);
    const MenuSystemMetrics m = FixedMenuMetrics();
    int opaque = 0;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb in = source.pixel(x, y);
            const QRgb out = record->imageList->pixel(x, y);
            if (in == qRgb(192, 192, 192)) {
                EXPECT_EQ(qAlpha(out), 0) << x << "," << y;
                continue;
            }
            ++opaque;
            const QRgb expected = in == qRgb(0, 0, 0)         ? m.btnText.rgb()
                                  : in == qRgb(255, 255, 255) ? m.btnHighlight.rgb()
                                  : in == qRgb(128, 128, 128) ? m.btnShadow.rgb()
                                                              : in;
            EXPECT_EQ(out, expected) << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 0);

    // The label stays, and a new one replaces it when given; the item is still a command.
    const QString before = record->text;
    EXPECT_TRUE(menu.SetItemImage(nullptr, 32781, 160));
    EXPECT_EQ(record->text, before);
    const QString renamed = QStringLiteral("別名(&O)\tCtrl+O");
    EXPECT_TRUE(menu.SetItemImage(&renamed, 32781, 160));
    EXPECT_EQ(Text(menu, 32781, false), renamed);
    menu.FindCommand(32781)->trigger();
    EXPECT_EQ(sink.commands, std::vector<int>{32781});
}

TEST_F(IconMenuTest, MissingBitmapOrCommandLeavesNoImage) {
    EXPECT_TRUE(menu.SetItemImage(std::nullopt, 32783, 999));
    int position = -1;
    const MenuItemRecord* record = menu.FindItemOwner(32783, position)->GetItemRecord(position);
    EXPECT_FALSE(record->HasImage());
    EXPECT_EQ(record->imageId, -1);
    EXPECT_EQ(record->imageIndex, -1);
    EXPECT_EQ(record->imageList, nullptr);

    // An unknown command changes no item.
    EXPECT_FALSE(menu.SetItemImage(nullptr, 4242, 160));
    for (int d = 0; d < 3; ++d) {
        for (int i = 0; i < DropDown(menu, d)->GetRecordCount(); ++i)
            EXPECT_FALSE(DropDown(menu, d)->GetItemRecord(i)->HasImage());
    }
}

TEST_F(IconMenuTest, MnemonicsIgnoreCaseAndNeedADropDown) {
    IconMenu* file = DropDown(menu, 0);
    EXPECT_EQ(Mnemonic(file, u'o'), Execute(0));
    EXPECT_EQ(Mnemonic(file, u'O'), Execute(0));
    EXPECT_EQ(Mnemonic(file, u'x'), Execute(8));
    EXPECT_EQ(Mnemonic(file, u'C'), Execute(6));
    EXPECT_EQ(Mnemonic(file, u'z'), 0);
    EXPECT_EQ(Mnemonic(DropDown(menu, 1), u'3'), Execute(5));
    EXPECT_EQ(Mnemonic(DropDown(menu, 1), u'p'), Execute(1));
    EXPECT_EQ(Mnemonic(DropDown(menu, 2), u'a'), Execute(2));
    EXPECT_EQ(IconMenu::FindMnemonic(u'o', 0, file->PopupWidget()), 0);
    EXPECT_EQ(IconMenu::FindMnemonic(u'o', MF_POPUP, nullptr), 0);

    // The first label holding the mnemonic wins.
    IconMenu own;
    ASSERT_TRUE(own.CreatePopupMenu());
    own.AppendIconItem(QStringLiteral("Ne&xt"), MF_STRING, 1, -1);
    own.AppendIconItem(QStringLiteral("E&xit"), MF_STRING, 2, -1);
    EXPECT_EQ(IconMenu::FindMnemonic(u'X', MF_POPUP, own.PopupWidget()), Execute(0));
}

TEST_F(IconMenuTest, DropDownsNoIconMenuBuiltAreNotIconMenus) {
    CMenu plain;
    ASSERT_TRUE(plain.LoadMenu(142));
    QMenu* file = plain.GetSubMenu(0);
    EXPECT_FALSE(IconMenu::IsIconMenu(file));
    EXPECT_EQ(IconMenu::FindMnemonic(u'o', MF_POPUP, file), 0);
}

TEST_F(IconMenuTest, RecordsFollowItemsChangedAroundTheMenu) {
    IconMenu* file = DropDown(menu, 0);
    QMenu* widget = file->PopupWidget();
    // Changes made on the drop-down's items without the icon menu.
    widget->removeAction(widget->actions()[0]);
    ASSERT_TRUE(file->AppendMenu(MF_STRING | MF_GRAYED, 40000, QStringLiteral("&Zoom")));
    ASSERT_TRUE(file->AppendMenu(MF_SEPARATOR));
    EXPECT_EQ(file->GetRecordCount(), 9);

    EXPECT_EQ(Mnemonic(file, u'z'), Execute(8));
    ASSERT_EQ(file->GetRecordCount(), 10);
    EXPECT_EQ(Mnemonic(file, u'o'), 0);  // its item went away, and its record with it
    EXPECT_EQ(Mnemonic(file, u's'), Execute(0));
    EXPECT_EQ(Mnemonic(file, u'x'), Execute(7));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(CMenu::GetItemData(widget->actions()[i]),
                  reinterpret_cast<uintptr_t>(file->GetItemRecord(i)));
        EXPECT_TRUE(CMenu::IsOwnerDrawn(widget->actions()[i]));
    }
    const MenuItemRecord* added = file->GetItemRecord(8);
    EXPECT_EQ(added->id, 40000u);
    EXPECT_EQ(added->text, QStringLiteral("&Zoom"));
    EXPECT_EQ(added->flags, MF_GRAYED | MF_DISABLED | MF_OWNERDRAW | MF_BYPOSITION);
    EXPECT_EQ(file->GetMenuState(40000), MF_GRAYED | MF_DISABLED);
    EXPECT_TRUE(file->GetItemRecord(1)->IsSeparator());
    EXPECT_TRUE(file->GetItemRecord(9)->IsSeparator());
    EXPECT_TRUE(file->GetItemRecord(9)->text.isEmpty());
}

TEST_F(IconMenuTest, DestroyMenuForgetsTheDropDowns) {
    QMenu* file = menu.GetSubMenu(0);
    QMenu* help = menu.GetSubMenu(2);
    menu.DestroyMenu();
    EXPECT_FALSE(IconMenu::IsIconMenu(file));
    EXPECT_FALSE(IconMenu::IsIconMenu(help));
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_EQ(menu.GetRecordCount(), 0);
    EXPECT_EQ(CMenu::FromHandlePermanent(file), nullptr);

    // The window that shows the bar may delete it first.
    ASSERT_TRUE(menu.LoadMenu(142));
    file = menu.GetSubMenu(0);
    auto* window = new QWidget;
    menu.MenuBarWidget()->setParent(window);
    delete window;
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_FALSE(IconMenu::IsIconMenu(file));
    EXPECT_EQ(CMenu::FromHandlePermanent(file), nullptr);
    menu.DestroyMenu();
    EXPECT_EQ(menu.GetRecordCount(), 0);
}

TEST_F(IconMenuTest, MeasureFollowsTheBarHeightAndTheLabel) {
    IconMenu* file = DropDown(menu, 0);
    auto measure = [&](int position) {
        MEASUREITEMSTRUCT request;
        request.itemData = reinterpret_cast<uintptr_t>(file->GetItemRecord(position));
        file->MeasureItem(&request);
        return QSize(static_cast<int>(request.itemWidth), static_cast<int>(request.itemHeight));
    };
    const QFontMetrics fm(FixedMenuMetrics().menuFont);
    // The tab measures as one character.
    const int textWidth = fm.horizontalAdvance(QString(file->GetItemRecord(0)->text).replace(u'\t', u' '));
    EXPECT_EQ(measure(0), QSize(textWidth + 33, 20));
    EXPECT_EQ(measure(2), QSize(0, 10));

    MenuSystemMetrics m = FixedMenuMetrics();
    m.menuBarHeight = 13;  // below image height + 4
    {
        ScopedMenuMetrics low(m);
        EXPECT_EQ(measure(0).height(), 19);
        EXPECT_EQ(measure(2).height(), 6);
    }
    m.menuBarHeight = 27;
    ScopedMenuMetrics high(m);
    EXPECT_EQ(measure(0).height(), 27);
    EXPECT_EQ(measure(2).height(), 13);
}

TEST_F(IconMenuTest, DropDownRowsAreMeasuredAndDrawnByTheIconMenu) {
    MenuSystemMetrics m = FixedMenuMetrics();
    m.menuBarHeight = 27;
    ScopedMenuMetrics tall(m);
    ASSERT_TRUE(menu.LoadMenu(142));
    ASSERT_TRUE(menu.SetItemImage(nullptr, 32781, 160));
    QMenu* file = menu.GetSubMenu(0);
    const QList<QAction*> items = file->actions();
    int widest = 0;
    for (int i = 0; i < items.size(); ++i) {
        MEASUREITEMSTRUCT request;
        request.itemData = CMenu::GetItemData(items[i]);
        DropDown(menu, 0)->MeasureItem(&request);
        EXPECT_EQ(file->actionGeometry(items[i]).height(), static_cast<int>(request.itemHeight)) << i;
        widest = std::max(widest, static_cast<int>(request.itemWidth));
    }
    EXPECT_EQ(file->actionGeometry(items[2]).height(), 13);
    EXPECT_GE(file->actionGeometry(items[0]).width(), widest);

    // The first row shows the item's image in its cell, in the fixed menu colours.
    const QImage shown = file->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect row = file->actionGeometry(items[0]);
    const QImage& cell = *DropDown(menu, 0)->GetItemRecord(0)->imageList;
    const int g = (27 - 15 - 4) / 2;
    int compared = 0;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb expected = qAlpha(cell.pixel(x, y)) ? cell.pixel(x, y) : m.menu.rgb();
            EXPECT_EQ(shown.pixel(row.left() + 2 + x, row.top() + g + 2 + y), expected) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 240);
}

TEST_F(IconMenuTest, MnemonicKeyInAnOpenDropDownRunsTheItem) {
    QMenu* file = menu.GetSubMenu(0);
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::keyClick(file, Qt::Key_W);
    EXPECT_EQ(sink.commands, std::vector<int>{32784});
    EXPECT_FALSE(file->isVisible());

    // A grayed item is not chosen.
    menu.EnableMenuItem(32785, MF_GRAYED);
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::keyClick(file, Qt::Key_I);
    EXPECT_EQ(sink.commands, std::vector<int>{32784});
    EXPECT_TRUE(file->isVisible());
    QTest::keyClick(file, Qt::Key_X, Qt::ShiftModifier);
    EXPECT_EQ(sink.commands, (std::vector<int>{32784, 32783}));
    file->hide();
}

TEST_F(IconMenuTest, MenuCharacterForAnotherMenuTakesTheDefaultHandling) {
    CMenu plain;
    ASSERT_TRUE(plain.LoadMenu(142));
    plain.SetCommandTarget(&sink);
    QMenu* file = plain.GetSubMenu(0);
    file->installEventFilter(new MenuCharFilter(file));
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    // Qt's own mnemonic matching on the plain labels.
    QTest::keyClick(file, Qt::Key_S);
    EXPECT_EQ(sink.commands, std::vector<int>{32782});
}

}  // namespace
