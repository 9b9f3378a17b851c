#include "ui/PanelToolBar.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <iterator>

#include "res/Images.h"
#include "res/ResourceIds.h"
#include "res/StringTable.h"

namespace {

constexpr const char* kCodePage932 = "windows-31j";

// Left to right; separators carry image 0 and command 0.
constexpr TBBUTTON kLayout[] = {
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0},
    {0, res::ID_TB_LOAD, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0},
    {1, res::ID_TB_SAVE, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0},
    {2, res::ID_TB_SEND, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0},
    {3, res::ID_TB_FACTORY, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0},
    {0, 0, TBSTATE_ENABLED, TBSTYLE_SEP, 0},
    {4, res::ID_TB_PRINTER, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0},
};
constexpr int kImageCount = 5;

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

QByteArray ToolTipBytes(UINT id) {
    const char* text = res::LoadStringUtf8(static_cast<int>(id));
    return PanelToolBar::ToCodePage932(text ? QString::fromUtf8(text) : QString());
}

}  // namespace

BEGIN_MESSAGE_MAP(PanelToolBar, CToolBarCtrl)
ON_NOTIFY_RANGE(TTN_NEEDTEXTA, res::ID_TB_LOAD, res::ID_TB_PRINTER, OnToolTipTextA)
ON_NOTIFY_RANGE(TTN_NEEDTEXTW, res::ID_TB_LOAD, res::ID_TB_PRINTER, OnToolTipTextW)
END_MESSAGE_MAP()

bool PanelToolBar::Create(CWnd* parent, int id) {
    if (!CToolBarCtrl::Create(kStyle, QRect(), parent, id))
        return false;
    CreateButtons();
    return true;
}

void PanelToolBar::CreateButtons() {
    AddBitmap(kImageCount, res::LoadBitmapResource(res::IDB_TOOLBAR));
    for (int i = 0; i < static_cast<int>(std::size(kLayout)); ++i)
        InsertButton(i, &kLayout[i]);
    AutoSize();
}

bool PanelToolBar::OnNotify(int id, NMHDR* hdr, LRESULT* result) {
    if (!hdr || (hdr->code != TTN_NEEDTEXTA && hdr->code != TTN_NEEDTEXTW))
        return CToolBarCtrl::OnNotify(id, hdr, result);
    if (fw::NotifyLockoutWindow() == this)
        return true;
    if (ReflectNotify(hdr, result))
        return true;
    // The id is the command id of the button under the mouse, carried in the message; the
    // tooltip that sends the request has no control id of its own.
    MsgArgs args;
    args.id = id;
    args.code = hdr->code;
    args.nmhdr = hdr;
    args.result = result;
    return OnCmdMsg(MsgKind::Notify, args);
}

void PanelToolBar::OnToolTipTextA(UINT id, NMHDR* hdr, LRESULT*) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
    const QByteArray text = ToolTipBytes(id);
    std::memcpy(info->szText, text.constData(), static_cast<size_t>(text.size()) + 1);
}

void PanelToolBar::OnToolTipTextW(UINT id, NMHDR* hdr, LRESULT*) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(hdr);
    QStringDecoder codePage932(kCodePage932);
    const QString text = codePage932(ToolTipBytes(id));
    // Each character of the cut text took at least one byte, so it fits with its zero.
    const auto n = std::min<qsizetype>(text.size(), std::size(info->szText) - 1);
    std::copy_n(text.utf16(), n, info->szText);
    info->szText[n] = u'\0';
}

QByteArray PanelToolBar::ToCodePage932(const QString& text, int maxBytes) {
    QStringEncoder codePage932(kCodePage932);
    const QByteArray bytes = codePage932(text);
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + (IsLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1);
        if (next > maxBytes || next > bytes.size())
            break;
        end = next;
    }
    return bytes.left(end);
}
