#include "framework/CStatusBarCtrl.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
constexpr int kMaxParts = 256;
constexpr int kTextIndent = 3;
}  // namespace

// The bar's widget keeps the parts and paints them.
class CStatusBarCtrl::Bar : public QWidget {
public:
    explicit Bar(QWidget* parent) : QWidget(parent) {}

    std::vector<int> edges{-1};
    std::vector<QString> texts{QString()};

    QRect PartRect(int part) const {
        const int left = part == 0 ? 0 : Right(part - 1);
        return QRect(QPoint(left, 0), QPoint(std::max(left, Right(part)) - 1, height() - 1));
    }
    int Height() const { return fontMetrics().height() + 6; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int i = 0; i < static_cast<int>(edges.size()); ++i) {
            const QRect r = PartRect(i);
            if (r.width() <= 0)
                continue;
            // Each part is a sunken panel, as on the original desktop.
            qDrawShadePanel(&p, r.adjusted(0, 2, -2, 0), palette(), true, 1);
            p.save();
            p.setClipRect(r);
            p.drawText(r.adjusted(kTextIndent, 0, -kTextIndent, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       texts[i]);
            p.restore();
        }
    }

private:
    int Right(int part) const { return edges[part] < 0 ? width() : std::min(edges[part], width()); }
};

CStatusBarCtrl::~CStatusBarCtrl() {
    ForgetLostWidget();
}

void CStatusBarCtrl::ForgetLostWidget() {
    // When the parent's window went first it took the bar's widget with it.
    if (GetSafeHwnd() && !m_bar)
        AttachControl(nullptr);
}

CStatusBarCtrl::Bar* CStatusBarCtrl::StatusBar() const {
    return static_cast<Bar*>(m_bar.data());
}

bool CStatusBarCtrl::Create(UINT style, const QRect&, CWnd* parent, int id) {
    ForgetLostWidget();
    DestroyWidget();
    QWidget* client = parent ? parent->ControlParent() : nullptr;
    auto* bar = new Bar(client);
    bar->setProperty(fw::kCtrlIdProperty, id);
    m_bar = bar;
    AttachWidget(bar);
    SetParent(parent);
    const int h = bar->Height();
    const int clientWidth = client ? client->width() : 0;
    const bool top = (style & CCS_BOTTOM) == CCS_TOP;
    bar->setGeometry(0, top || !client ? 0 : client->height() - h, clientWidth, h);
    bar->setVisible(style & WS_VISIBLE);
    return true;
}

bool CStatusBarCtrl::SetParts(int count, const int* rightEdges) {
    Bar* bar = StatusBar();
    if (!bar || !rightEdges || count < 1 || count > kMaxParts)
        return false;
    bar->edges.assign(rightEdges, rightEdges + count);
    bar->texts.resize(count);
    bar->update();
    return true;
}

int CStatusBarCtrl::GetParts(int count, int* rightEdges) const {
    Bar* bar = StatusBar();
    if (!bar)
        return 0;
    const int n = static_cast<int>(bar->edges.size());
    for (int i = 0; rightEdges && i < std::min(count, n); ++i)
        rightEdges[i] = bar->edges[i];
    return n;
}

bool CStatusBarCtrl::SetText(int part, const QString& text) {
    Bar* bar = StatusBar();
    if (!bar || part < 0 || part >= static_cast<int>(bar->texts.size()))
        return false;
    bar->texts[part] = text;
    bar->update(bar->PartRect(part));
    return true;
}

QString CStatusBarCtrl::GetText(int part) const {
    Bar* bar = StatusBar();
    if (!bar || part < 0 || part >= static_cast<int>(bar->texts.size()))
        return {};
    return bar->texts[part];
}

bool CStatusBarCtrl::GetRect(int part, QRect* rect) const {
    Bar* bar = StatusBar();
    if (!bar || !rect || part < 0 || part >= static_cast<int>(bar->edges.size()))
        return false;
    *rect = bar->PartRect(part);
    return true;
}

QRect CStatusBarCtrl::GetWindowRect() const {
    Bar* bar = StatusBar();
    if (!bar)
        return {};
    return QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
}
