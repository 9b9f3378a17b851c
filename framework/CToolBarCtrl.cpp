#include "framework/CToolBarCtrl.h"

#include <QBitmap>
#include <QFrame>
#include <QHelpEvent>
#include <QStringDecoder>
#include <QToolButton>
#include <QToolTip>
#include <cstdint>
#include <functional>
#include <iterator>

namespace {

thread_local CWnd* t_lockoutWindow = nullptr;

// Room around the image inside a button, the gap a separator leaves, the margin above and
// below the buttons: the original control's defaults.
constexpr QSize kButtonPadding(8, 7);
constexpr int kSeparatorWidth = 8;
constexpr int kVerticalMargin = 2;

// The 16-colour images are drawn on the button-face grey of the original desktop; that grey
// lets this platform's button face show through.
const QColor kImageBackground(192, 192, 192);

class ToolBarButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    std::function<void(QHelpEvent*)> onToolTip;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ToolTip && onToolTip) {
            onToolTip(static_cast<QHelpEvent*>(e));
            return true;
        }
        return QToolButton::event(e);
    }
};

template <class Char>
size_t BoundedLength(const Char* text, size_t limit) {
    size_t n = 0;
    while (n < limit && text[n] != 0)
        ++n;
    return n;
}

}  // namespace

namespace fw {

CWnd* NotifyLockoutWindow() {
    return t_lockoutWindow;
}

NotifyLockout::NotifyLockout(CWnd* window) : m_previous(t_lockoutWindow) {
    t_lockoutWindow = window;
}

NotifyLockout::~NotifyLockout() {
    t_lockoutWindow = m_previous;
}

}  // namespace fw

CToolBarCtrl::~CToolBarCtrl() {
    ForgetLostWidget();
}

void CToolBarCtrl::ForgetLostWidget() {
    // When the parent's window went first it took the toolbar's widget with it.
    if (GetSafeHwnd() && !m_bar)
        AttachControl(nullptr);
}

bool CToolBarCtrl::Create(UINT style, const QRect& rect, CWnd* parent, int id) {
    ForgetLostWidget();
    DestroyWidget();
    m_items.clear();
    m_style = style;
    auto* bar = new QFrame(parent ? parent->ControlParent() : nullptr);
    bar->setProperty(fw::kCtrlIdProperty, id);
    if (style & WS_BORDER)
        bar->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_toolTipSender = new QObject(bar);
    m_toolTipSender->setObjectName(QStringLiteral("tooltips"));
    m_bar = bar;
    AttachWidget(bar);
    SetParent(parent);
    bar->setGeometry(rect);
    if (style & CCS_TOP)
        AutoSize();
    bar->setVisible(style & WS_VISIBLE);
    return true;
}

int CToolBarCtrl::AddBitmap(int numImages, const QPixmap& strip) {
    if (numImages <= 0 || strip.isNull())
        return -1;
    const int first = GetImageCount();
    for (int k = 0; k < numImages; ++k) {
        QPixmap image = strip.copy(k * m_bitmapSize.width(), 0, m_bitmapSize.width(), m_bitmapSize.height());
        image.setMask(image.createMaskFromColor(kImageBackground));
        m_images.push_back(image);
    }
    // Buttons inserted before their images arrived show them now.
    for (Item& item : m_items) {
        if (item.widget && item.button.iBitmap >= first && item.button.iBitmap < GetImageCount())
            item.widget->setIcon(QIcon(m_images[item.button.iBitmap]));
    }
    return first;
}

bool CToolBarCtrl::InsertButton(int index, const TBBUTTON* button) {
    QWidget* bar = Bar();
    if (!bar || !button)
        return false;
    if (index < 0 || index > GetButtonCount())
        index = GetButtonCount();
    Item item{*button, nullptr};
    if (!(button->fsStyle & TBSTYLE_SEP)) {
        auto* b = new ToolBarButton(bar);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(m_bitmapSize);
        b->setFixedSize(ButtonSize());
        b->setEnabled(button->fsState & TBSTATE_ENABLED);
        if (button->iBitmap >= 0 && button->iBitmap < GetImageCount())
            b->setIcon(QIcon(m_images[button->iBitmap]));
        const int id = button->idCommand;
        QObject::connect(b, &QToolButton::clicked, b, [this, id] {
            if (CWnd* parent = GetParent())
                parent->OnCommand(id, 0);
        });
        if (m_style & TBSTYLE_TOOLTIPS)
            b->onToolTip = [this, id, b](QHelpEvent* e) { ShowToolTip(id, b, e); };
        b->show();
        item.widget = b;
    }
    m_items.insert(m_items.begin() + index, item);
    Layout();
    return true;
}

bool CToolBarCtrl::GetButton(int index, TBBUTTON* button) const {
    if (!button || index < 0 || index >= GetButtonCount())
        return false;
    *button = m_items[index].button;
    return true;
}

int CToolBarCtrl::CommandToIndex(int id) const {
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (m_items[i].button.idCommand == id)
            return i;
    }
    return -1;
}

bool CToolBarCtrl::EnableButton(int id, bool enable) {
    const int index = CommandToIndex(id);
    if (!Bar() || index < 0)
        return false;
    Item& item = m_items[index];
    item.button.fsState =
        enable ? (item.button.fsState | TBSTATE_ENABLED) : (item.button.fsState & ~TBSTATE_ENABLED);
    if (item.widget)
        item.widget->setEnabled(enable);
    return true;
}

bool CToolBarCtrl::IsButtonEnabled(int id) const {
    const int index = CommandToIndex(id);
    return index >= 0 && (m_items[index].button.fsState & TBSTATE_ENABLED);
}

QSize CToolBarCtrl::ButtonSize() const {
    return m_bitmapSize + kButtonPadding;
}

int CToolBarCtrl::BarHeight() const {
    const QFrame* frame = qobject_cast<const QFrame*>(Bar());
    return ButtonSize().height() + 2 * kVerticalMargin + (frame ? 2 * frame->frameWidth() : 0);
}

QRect CToolBarCtrl::GetItemRect(int index) const {
    auto* frame = qobject_cast<QFrame*>(Bar());
    if (!frame || index < 0 || index >= GetButtonCount())
        return {};
    int x = frame->frameWidth();
    const int y = frame->frameWidth() + kVerticalMargin;
    for (int i = 0; i < index; ++i)
        x += m_items[i].widget ? ButtonSize().width() : kSeparatorWidth;
    const int w = m_items[index].widget ? ButtonSize().width() : kSeparatorWidth;
    return QRect(x, y, w, ButtonSize().height());
}

void CToolBarCtrl::Layout() {
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (m_items[i].widget)
            m_items[i].widget->move(GetItemRect(i).topLeft());
    }
}

void CToolBarCtrl::AutoSize() {
    QWidget* bar = Bar();
    if (!bar || !bar->parentWidget())
        return;
    const QWidget* client = bar->parentWidget();
    const int h = BarHeight();
    const bool bottom = (m_style & CCS_BOTTOM) == CCS_BOTTOM;
    bar->setGeometry(0, bottom ? client->height() - h : 0, client->width(), h);
    Layout();
}

bool CToolBarCtrl::ReflectNotify(NMHDR* hdr, LRESULT* result) {
    if (!hdr || !m_toolTipWnd || hdr->hwndFrom != m_toolTipSender)
        return false;
    return m_toolTipWnd->OnNotify(static_cast<int>(hdr->idFrom), hdr, result);
}

QString CToolBarCtrl::RequestToolTipText(int id) {
    LRESULT result = 0;
    if (m_wideToolTips) {
        NMTTDISPINFOW info;
        info.hdr = NMHDR{m_toolTipSender, id, TTN_NEEDTEXTW};
        info.lpszText = info.szText;
        OnNotify(id, &info.hdr, &result);
        if (!info.lpszText)
            return {};
        // The inline field may be full without a terminating zero.
        const size_t limit = info.lpszText == info.szText ? std::size(info.szText) : SIZE_MAX;
        return QString::fromUtf16(info.lpszText, static_cast<qsizetype>(BoundedLength(info.lpszText, limit)));
    }
    NMTTDISPINFOA info;
    info.hdr = NMHDR{m_toolTipSender, id, TTN_NEEDTEXTA};
    info.lpszText = info.szText;
    OnNotify(id, &info.hdr, &result);
    if (!info.lpszText)
        return {};
    const size_t limit = info.lpszText == info.szText ? std::size(info.szText) : SIZE_MAX;
    QStringDecoder codePage932("windows-31j");
    return codePage932(
        QByteArrayView(info.lpszText, static_cast<qsizetype>(BoundedLength(info.lpszText, limit))));
}

void CToolBarCtrl::ShowToolTip(int id, QToolButton* button, QHelpEvent* event) {
    const QString text = RequestToolTipText(id);
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return;
    }
    QToolTip::showText(event->globalPos(), text, button, button->rect());
}
