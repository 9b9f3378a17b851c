#include "res/StringTable.h"

#include <map>

namespace res {

const char* LoadStringUtf8(int id) {
    static const std::map<int, const char*> table = {
        {32805, "データチェック用コマンド"},
        {2000, "設定ファイルの読み込み"},
        {2001, "設定ファイルへの書き込み"},
        {2002, "設定値をプリンタへ送信"},
        {2003, "工場出荷設定を表示"},
        {2004, "プリンタの選択"},
        {AFX_IDP_PARSE_INT, "整数を入力してください。"},
        {AFX_IDP_PARSE_INT_RANGE, "%1 から %2 までの整数を入力してください。"},
        {AFX_IDP_PARSE_STRING_SIZE, "%1 文字以内で入力してください。"},
    };
    auto it = table.find(id);
    return it == table.end() ? nullptr : it->second;
}

}  // namespace res
