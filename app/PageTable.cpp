#include "app/PageTable.h"

#include <QCoreApplication>

#include "pages/MemorySwitchPage.h"
#include "pages/Param2Page.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"

namespace {

template <class Page, auto... Args>
SettingsPage* Create() {
    return new Page(Args...);
}

using res::MenuImage;
// Tab pictures: function select 0, switches 1, parameters 2.
constexpr PageEntry kPages[] = {
    {Create<SelectPage>, QT_TRANSLATE_NOOP("PageTable", "機能選択"), 0,
     QT_TRANSLATE_NOOP("PageTable", "機能選択(&K)"), Qt::Key_K, MenuImage::SelectPage},
    {Create<ParamPage>, QT_TRANSLATE_NOOP("PageTable", "パラメータ設定１"), 2,
     QT_TRANSLATE_NOOP("PageTable", "パラメータ設定１（&P）"), Qt::Key_P, MenuImage::ParamPage},
    {Create<Param2Page>, QT_TRANSLATE_NOOP("PageTable", "パラメータ設定２"), 2,
     QT_TRANSLATE_NOOP("PageTable", "パラメータ設定２（&L）"), Qt::Key_L, MenuImage::ParamPage},
    {Create<MemorySwitchPage, 0>, QT_TRANSLATE_NOOP("PageTable", "ＭＳＷ１"), 1,
     QT_TRANSLATE_NOOP("PageTable", "メモリスイッチ１(&1)"), Qt::Key_1, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 1>, QT_TRANSLATE_NOOP("PageTable", "ＭＳＷ２"), 1,
     QT_TRANSLATE_NOOP("PageTable", "メモリスイッチ２(&2)"), Qt::Key_2, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 2>, QT_TRANSLATE_NOOP("PageTable", "ＭＳＷ３"), 1,
     QT_TRANSLATE_NOOP("PageTable", "メモリスイッチ３(&3)"), Qt::Key_3, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 3>, QT_TRANSLATE_NOOP("PageTable", "ＭＳＷ４"), 1,
     QT_TRANSLATE_NOOP("PageTable", "メモリスイッチ４(&4)"), Qt::Key_4, MenuImage::SwitchPage},
};

}  // namespace

std::span<const PageEntry> PageTable() {
    return kPages;
}

QString TabCaption(const PageEntry& page) {
    return QCoreApplication::translate("PageTable", page.caption);
}

QList<PageCommand> PageCommands() {
    QList<PageCommand> commands;
    for (const PageEntry& page : kPages)
        commands.append({QCoreApplication::translate("PageTable", page.menuText), page.key, page.menuImage});
    return commands;
}
