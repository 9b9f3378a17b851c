#include "app/PageTable.h"

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
    {Create<SelectPage>, "機能選択", 0, "機能選択(&K)", Qt::Key_K, MenuImage::SelectPage},
    {Create<ParamPage>, "パラメータ設定１", 2, "パラメータ設定１（&P）", Qt::Key_P, MenuImage::ParamPage},
    {Create<Param2Page>, "パラメータ設定２", 2, "パラメータ設定２（&L）", Qt::Key_L, MenuImage::ParamPage},
    {Create<MemorySwitchPage, 0>, "ＭＳＷ１", 1, "メモリスイッチ１(&1)", Qt::Key_1, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 1>, "ＭＳＷ２", 1, "メモリスイッチ２(&2)", Qt::Key_2, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 2>, "ＭＳＷ３", 1, "メモリスイッチ３(&3)", Qt::Key_3, MenuImage::SwitchPage},
    {Create<MemorySwitchPage, 3>, "ＭＳＷ４", 1, "メモリスイッチ４(&4)", Qt::Key_4, MenuImage::SwitchPage},
};

}  // namespace

std::span<const PageEntry> PageTable() {
    return kPages;
}

QList<PageCommand> PageCommands() {
    QList<PageCommand> commands;
    for (const PageEntry& page : kPages)
        commands.append({QString::fromUtf8(page.menuText), page.key, page.menuImage});
    return commands;
}
