#pragma once
// The texts of the main window's message boxes and of the help window.
#include <QString>

namespace msg {

inline QString Caption() {
    return QStringLiteral("Brindlemark");
}

// Settings file.
inline QString DiscardChanges() {
    return QStringLiteral("設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。");
}
inline QString NotASettingsFile() {
    return QStringLiteral("このファイルは設定ファイルではありません。");
}
inline QString SaveAccessDenied() {
    return QStringLiteral(
        "設定ファイルの書き込みに失敗しました。\nこのディレクトリに保存するアクセス許可がない可能性があります"
        "。\n"
        "設定ファイルの保存先を変更してやり直してください。");
}
inline QString SaveFailed() {
    return QStringLiteral("設定ファイルの書き込みに失敗しました。");
}
inline QString SettingsFileFilter() {
    return QStringLiteral("BM設定ファイル (*.dat)");
}

// Printer and sending.
inline QString NoPrinterSelected() {
    return QStringLiteral("プリンタが選択されていません。\nプリンタを選択してください。");
}
inline QString FilePortRefused() {
    return QStringLiteral("接続先がFILEのため設定値を送信できません。");
}
inline QString PrinterNotAvailable() {
    return QStringLiteral(
        "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");
}
inline QString Sent() {
    return QStringLiteral("プリンタに設定値を送信しました。");
}

// Guarded commands.
inline QString SendBeforeSwitch() {
    return QStringLiteral(
        "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？");
}
inline QString SaveBeforeSwitch() {
    return QStringLiteral(
        "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？");
}
inline QString FactoryQuestion() {
    return QStringLiteral("現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？");
}
inline QString FactoryShown() {
    return QStringLiteral("工場出荷設定値を表示しました。");
}
inline QString SendBeforeExit() {
    return QStringLiteral("Brindlemark を終了する前に、設定値をプリンタへ送信しますか？");
}
inline QString SaveBeforeExit() {
    return QStringLiteral("Brindlemark を終了する前に、設定ファイルへ保存しますか？");
}

// Help.
inline QString HelpNotFound() {
    return QStringLiteral("ヘルプファイルが見つかりません。");
}

// The help window.
inline QString HelpWindowTitle() {
    return QStringLiteral("ヘルプ");
}
inline QString HelpContentsTab() {
    return QStringLiteral("目次");
}
inline QString HelpIndexTab() {
    return QStringLiteral("キーワード");
}
inline QString HelpIndexPrompt() {
    return QStringLiteral("キーワードを入力してください");
}
inline QString HelpShowTopic() {
    return QStringLiteral("表示(&D)");
}
inline QString HelpBack() {
    return QStringLiteral("戻る");
}
inline QString HelpForward() {
    return QStringLiteral("進む");
}
inline QString HelpHome() {
    return QStringLiteral("ホーム");
}
inline QString HelpPageMissingTitle() {
    return QStringLiteral("ページが見つかりません");
}
inline QString HelpPageMissing(const QString& page) {
    return QStringLiteral("%1 はヘルプファイルにありません。").arg(page);
}

// Numeric edits that fail the store's check.
inline QString EnterInteger() {
    return QStringLiteral("整数を入力してください。");
}
inline QString EnterIntegerInRange(int minimum, int maximum) {
    return QStringLiteral("%1 から %2 までの整数を入力してください。").arg(minimum).arg(maximum);
}

// Status bar.
inline QString StatusPrinter(const QString& name) {
    return QStringLiteral("プリンタ名： %1").arg(name);
}
inline QString StatusPort(const QString& port) {
    return QStringLiteral("接続先： %1").arg(port);
}

}  // namespace msg
