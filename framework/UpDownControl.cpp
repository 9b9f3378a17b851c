#include "framework/UpDownControl.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

#include "framework/EditControl.h"

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setFocusPolicy(Qt::NoFocus);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownControl::SetBuddy(EditControl* buddy) {
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDownControl::SetRange(int min, int max) {
    m_min = min;
    m_max = max;
    m_pos = std::clamp(m_pos, std::min(min, max), std::max(min, max));
}

void UpDownControl::SetPos(int pos) {
    m_pos = std::clamp(pos, std::min(m_min, m_max), std::max(m_min, m_max));
    if (m_buddy)
        m_buddy->SetTextNotifying(QString::number(m_pos));
}

int UpDownControl::GetPos() const {
    if (m_buddy) {
        bool ok = false;
        int v = m_buddy->text().toInt(&ok);
        if (ok)
            return v;
    }
    return m_pos;
}

void UpDownControl::Step(int delta) {
    // The edit's number is the position; a text that is no number leaves the last one.
    int pos = GetPos();
    int lo = std::min(m_min, m_max);
    int hi = std::max(m_min, m_max);
    int next = std::clamp(pos + (m_min <= m_max ? delta : -delta), lo, hi);
    if (pos < lo || pos > hi)
        next = std::clamp(pos, lo, hi);
    if (next == pos && m_buddy && m_buddy->text() == QString::number(pos))
        return;
    m_pos = next;
    if (m_buddy)
        m_buddy->SetTextNotifying(QString::number(next));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                Step(+1);
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                Step(-1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    int h = height() / 2;
    m_up->setGeometry(0, 0, width(), h);
    m_down->setGeometry(0, h, width(), height() - h);
}
