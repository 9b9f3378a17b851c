#include "res/MenuTemplate.h"

namespace res {

const std::vector<MenuTemplateItem>* FindMenuTemplate(int id) {
    static const std::vector<MenuTemplateItem> menu142 = {
        {MF_POPUP_OPT, 0, u"ファイル(&F)"},
        {0, 32781, u"設定ファイルの読み込み(&O)...\tCtrl+O"},
        {0, 32782, u"設定ファイルへの書き込み(&S)...\tCtrl+S"},
        {0, 0, u""},
        {0, 32784, u"設定値をプリンタへ送信(&W)\tCtrl+W"},
        {0, 32785, u"工場出荷設定を表示(&I)\tCtrl+I"},
        {0, 0, u""},
        {0, 32798, u"プリンタの選択(&C)...\tCtrl+C"},
        {0, 0, u""},
        {MF_END_OPT, 32783, u"終了(&X)\tAlt+F4"},
        {MF_POPUP_OPT, 0, u"メニュー(&M)"},
        {0, 32771, u"機能選択(&K)\tCtrl+K"},
        {0, 32801, u"パラメータ設定１（&P）\tCtrl+P"},
        {0, 32802, u"パラメータ設定２（&L）\tCtrl+L"},
        {0, 32773, u"メモリスイッチ１(&1)\tCtrl+1"},
        {0, 32778, u"メモリスイッチ２(&2)\tCtrl+2"},
        {0, 32779, u"メモリスイッチ３(&3)\tCtrl+3"},
        {MF_END_OPT, 32780, u"メモリスイッチ４(&4)\tCtrl+4"},
        {MF_POPUP_OPT | MF_END_OPT, 0, u"ヘルプ(&H)"},
        {0, 32806, u"ヘルプ目次(&H)\tF1"},
        {0, 0, u""},
        {MF_END_OPT, 16, u"バージョン情報(&A)..."},
    };
    return id == 142 ? &menu142 : nullptr;
}

const std::vector<Accelerator>* FindAcceleratorTable(int id) {
    static const std::vector<Accelerator> table142 = {
        {true, 'O', 32781}, {true, 'S', 32782}, {true, 'W', 32784},    {true, 'I', 32785}, {true, 'C', 32798},
        {true, 'K', 32771}, {true, 'P', 32801}, {true, 'L', 32802},    {true, '1', 32773}, {true, '2', 32778},
        {true, '3', 32779}, {true, '4', 32780}, {false, VK_F1, 32806},
    };
    return id == 142 ? &table142 : nullptr;
}

}  // namespace res
