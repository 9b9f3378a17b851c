#pragma once
// The program's texts that the code sets: window and dialog titles, menus, tooltips, the format
// dialog's rows, message boxes and the help window. The forms (.ui) hold their own labels. Each
// is translated under the context "Messages"; the words settings/ holds under their own.
#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "platform/Translations.h"
#include "settings/Normalised.h"

namespace msg {

inline QString Caption() {
    return QStringLiteral("Brindlemark");
}

// The main window: title, menus, toolbar tooltips (the pages' own texts are in their table).
inline QString WindowTitle() {
    return QCoreApplication::translate("Messages", "ORV Quillstrike 540QZ7 ブリンドルマーク");
}
inline QString FileMenu() {
    return QCoreApplication::translate("Messages", "ファイル(&F)");
}
inline QString PageMenu() {
    return QCoreApplication::translate("Messages", "メニュー(&M)");
}
inline QString HelpMenu() {
    return QCoreApplication::translate("Messages", "ヘルプ(&H)");
}
inline QString LoadItem() {
    return QCoreApplication::translate("Messages", "設定ファイルの読み込み(&O)...");
}
inline QString SaveItem() {
    return QCoreApplication::translate("Messages", "設定ファイルへの書き込み(&S)...");
}
inline QString SendItem() {
    return QCoreApplication::translate("Messages", "設定値をプリンタへ送信(&W)");
}
inline QString FactoryItem() {
    return QCoreApplication::translate("Messages", "工場出荷設定を表示(&I)");
}
inline QString PrinterItem() {
    return QCoreApplication::translate("Messages", "プリンタの選択(&C)...");
}
// The window manager's close key, shown as the item's key.
inline QString ExitItem() {
    return QCoreApplication::translate("Messages", "終了(&X)\tAlt+F4");
}
inline QString HelpContentsItem() {
    return QCoreApplication::translate("Messages", "ヘルプ目次(&H)");
}
inline QString AboutItem() {
    return QCoreApplication::translate("Messages", "バージョン情報(&A)...");
}
inline QString LoadTip() {
    return QCoreApplication::translate("Messages", "設定ファイルの読み込み");
}
inline QString SaveTip() {
    return QCoreApplication::translate("Messages", "設定ファイルへの書き込み");
}
inline QString SendTip() {
    return QCoreApplication::translate("Messages", "設定値をプリンタへ送信");
}
inline QString FactoryTip() {
    return QCoreApplication::translate("Messages", "工場出荷設定を表示");
}
inline QString PrinterTip() {
    return QCoreApplication::translate("Messages", "プリンタの選択");
}

// Settings file.
inline QString DiscardChanges() {
    return QCoreApplication::translate(
        "Messages", "設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。");
}
inline QString NotASettingsFile() {
    return QCoreApplication::translate("Messages", "このファイルは設定ファイルではありません。");
}
inline QString SaveAccessDenied() {
    return QCoreApplication::translate(
        "Messages",
        "設定ファイルの書き込みに失敗しました。\nこのディレクトリに保存するアクセス許可がない可能性があります"
        "。\n"
        "設定ファイルの保存先を変更してやり直してください。");
}
inline QString SaveFailed() {
    return QCoreApplication::translate("Messages", "設定ファイルの書き込みに失敗しました。");
}
inline QString SettingsFileFilter() {
    return QCoreApplication::translate("Messages", "BM設定ファイル (*.dat)");
}

// Printer and sending.
inline QString NoPrinterSelected() {
    return QCoreApplication::translate("Messages",
                                       "プリンタが選択されていません。\nプリンタを選択してください。");
}
inline QString FilePortRefused() {
    return QCoreApplication::translate("Messages", "接続先がFILEのため設定値を送信できません。");
}
inline QString PrinterNotAvailable() {
    return QCoreApplication::translate(
        "Messages",
        "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");
}
inline QString Sent() {
    return QCoreApplication::translate("Messages", "プリンタに設定値を送信しました。");
}

// Printer selection: the refusals; those that end the program say so.
inline QString NoUsablePrinter() {
    return QCoreApplication::translate(
        "Messages",
        "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
        "Brindlemarkを終了します。");
}
inline QString AllPrintersOnFile() {
    return QCoreApplication::translate(
        "Messages",
        "インストールされているプリンタの接続先がFILEのため設定値を送信できません。\n"
        "プリンタ設定を確認してやり直してください。\n\nBrindlemarkを終了します。");
}
inline QString OnlyPrinterOnFile() {
    return QCoreApplication::translate(
        "Messages",
        "接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直してください。\n\n"
        "Brindlemarkを終了します。");
}
inline QString ChooseOtherThanFile() {
    return QCoreApplication::translate("Messages",
                                       "接続先がFILEのため設定値を送信できません。\n"
                                       "プリンタ設定を変更するか、他のプリンタに変更してください。");
}

// A queue's last completed settings job: when, and the file the settings came from.
inline QString LastSent(const QString& when, const QString& file) {
    return QStringLiteral("%1  %2").arg(when, file);
}
inline QString UnsavedSettings() {
    return QCoreApplication::translate("Messages", "未保存の設定");
}

// Guarded commands.
inline QString SendBeforeSwitch() {
    return QCoreApplication::translate(
        "Messages", "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？");
}
inline QString SaveBeforeSwitch() {
    return QCoreApplication::translate(
        "Messages", "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？");
}
inline QString FactoryQuestion() {
    return QCoreApplication::translate("Messages",
                                       "現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？");
}
inline QString FactoryShown() {
    return QCoreApplication::translate("Messages", "工場出荷設定値を表示しました。");
}
inline QString SendBeforeExit() {
    return QCoreApplication::translate("Messages",
                                       "Brindlemark を終了する前に、設定値をプリンタへ送信しますか？");
}
inline QString SaveBeforeExit() {
    return QCoreApplication::translate("Messages",
                                       "Brindlemark を終了する前に、設定ファイルへ保存しますか？");
}

// Help.
inline QString HelpNotFound() {
    return QCoreApplication::translate("Messages", "ヘルプファイルが見つかりません。");
}

// The help window.
inline QString HelpWindowTitle() {
    return QCoreApplication::translate("Messages", "ヘルプ");
}
inline QString HelpContentsTab() {
    return QCoreApplication::translate("Messages", "目次");
}
inline QString HelpIndexTab() {
    return QCoreApplication::translate("Messages", "キーワード");
}
inline QString HelpIndexPrompt() {
    return QCoreApplication::translate("Messages", "キーワードを入力してください");
}
inline QString HelpShowTopic() {
    return QCoreApplication::translate("Messages", "表示(&D)");
}
inline QString HelpBack() {
    return QCoreApplication::translate("Messages", "戻る");
}
inline QString HelpForward() {
    return QCoreApplication::translate("Messages", "進む");
}
inline QString HelpHome() {
    return QCoreApplication::translate("Messages", "ホーム");
}
inline QString HelpPageMissingTitle() {
    return QCoreApplication::translate("Messages", "ページが見つかりません");
}
inline QString HelpPageMissing(const QString& page) {
    return QCoreApplication::translate("Messages", "%1 はヘルプファイルにありません。").arg(page);
}

// Numeric edits that fail the store's check.
inline QString EnterInteger() {
    return QCoreApplication::translate("Messages", "整数を入力してください。");
}
// The words are settings/'s, which bmk540ctl prints as well.
inline QString EnterIntegerInRange(int minimum, int maximum) {
    return platform::SettingsText(settings::context::kDataCheck, settings::kRangeMessage)
        .arg(minimum)
        .arg(maximum);
}

// Parameter setting 1: head-centring positions left at one digit.
inline QString HeadCentringOutOfRange() {
    return QCoreApplication::translate(
        "Messages", "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。");
}
inline QString HeadCentringCaption() {
    return QCoreApplication::translate("Messages", "パラメータ設定－用紙吸入時ヘッドセンタリング位置");
}

// The function select page's button that opens the format settings dialog ("書式０の設定(&D)").
inline QString FormatSettingsButton(const QString& formatName) {
    return QCoreApplication::translate("Messages", "%1の設定(&D)").arg(formatName);
}
// The format settings dialog: its title, and the corrections it explains.
inline QString FormatDialogTitle(const QString& formatName) {
    return QCoreApplication::translate("Messages", "書式の設定： %1").arg(formatName);
}
inline QString LeftMarginCaption() {
    return QCoreApplication::translate("Messages", "レフトマージン幅");
}
// The margin messages start their second sentence on a line of its own, so that a box never
// breaks inside a word.
inline QString LeftMarginNotBelowRight() {
    return QCoreApplication::translate(
        "Messages", "レフトマージン幅はライトマージン幅より小さくしてください。\n適正値に変更します。");
}
inline QString RightMarginCaption() {
    return QCoreApplication::translate("Messages", "ライトマージン幅");
}
inline QString RightMarginNotAboveLeft() {
    return QCoreApplication::translate(
        "Messages", "ライトマージン幅はレフトマージン幅より大きくしてください。\n適正値に変更します。");
}
// The paper paths in the order of the dialog's rows: each row's label, and the path as the
// messages name it.
inline QString IntakeRowLabel(int path) {
    static const char* const labels[5] = {
        QT_TRANSLATE_NOOP("Messages", "フロントトラクタ(&F)"),
        QT_TRANSLATE_NOOP("Messages", "リアトラクタ(&B)"), QT_TRANSLATE_NOOP("Messages", "シートガイド(&G)"),
        QT_TRANSLATE_NOOP("Messages", "シートフィーダ(&S)"), QT_TRANSLATE_NOOP("Messages", "はがき(&P)")};
    return QCoreApplication::translate("Messages", labels[path]);
}
inline QString IntakePathName(int path) {
    static const char* const names[5] = {
        QT_TRANSLATE_NOOP("Messages", "フロントトラクタ"), QT_TRANSLATE_NOOP("Messages", "リアトラクタ"),
        QT_TRANSLATE_NOOP("Messages", "シートガイド"), QT_TRANSLATE_NOOP("Messages", "シートフィーダ"),
        QT_TRANSLATE_NOOP("Messages", "はがき")};
    return QCoreApplication::translate("Messages", names[path]);
}
// The units beside each row's slider and edit.
inline QString InchUnit() {
    return QCoreApplication::translate("Messages", "インチ");
}
inline QString PositionUnit() {
    return QCoreApplication::translate("Messages", "/120インチ");
}
inline QString MillimetreUnit() {
    return QStringLiteral("mm");
}
// path: the paper path as the message names it (フロントトラクタ, はがき...).
inline QString IntakePositionCaption(const QString& path) {
    return QCoreApplication::translate("Messages", "%1吸入位置").arg(path);
}
inline QString IntakePositionTooLow(const QString& path) {
    return QCoreApplication::translate("Messages",
                                       "%1の吸入位置の値が下限を超えています。\n設定値を変更します。")
        .arg(path);
}

// A word of the panel's for a value or a switch (settings/PanelWords.h).
inline QString PanelWord(std::string_view word) {
    return platform::SettingsText(settings::context::kPanelWords, word);
}

// Status bar.
inline QString StatusPrinter(const QString& name) {
    return QCoreApplication::translate("Messages", "プリンタ名： %1").arg(name);
}
inline QString StatusPort(const QString& port) {
    return QCoreApplication::translate("Messages", "接続先： %1").arg(port);
}
inline QString StatusLastReceived(const QString& lastSent) {
    return lastSent.isEmpty() ? QString()
                              : QCoreApplication::translate("Messages", "最終受信： %1").arg(lastSent);
}

// What a screen reader says of controls whose label is not enough: the arrows beside a numeric
// edit, its range and unit, the intake edits (their group's title alone would name all five
// alike) and the stops of an intake slider, whose marks are labels of their own.
inline QString StepUp() {
    return QCoreApplication::translate("Messages", "増やす");
}
inline QString StepDown() {
    return QCoreApplication::translate("Messages", "減らす");
}
inline QString NumericEditDescription(int minimum, int maximum, const QString& unit) {
    const QString range =
        QCoreApplication::translate("Messages", "%1 から %2 まで").arg(minimum).arg(maximum);
    return unit.isEmpty() ? range : QCoreApplication::translate("Messages", "%1（%2）").arg(range, unit);
}
inline QString IntakeStops(bool postcard) {
    return QCoreApplication::translate("Messages", "%1mm、1/2インチ、1インチ")
        .arg(postcard ? QStringLiteral("11.5") : QStringLiteral("9.7"));
}

}  // namespace msg
