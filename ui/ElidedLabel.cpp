#include "ui/ElidedLabel.h"

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setFullText(const QString& text) {
    m_fullText = text;
    setToolTip(text);
    elide();
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode) {
    m_mode = mode;
    elide();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide() {
    setText(fontMetrics().elidedText(m_fullText, m_mode, contentsRect().width()));
}
