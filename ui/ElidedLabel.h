#pragma once
#include <QLabel>

// A one-line label that shortens a text too long for it, in the middle by default
// ("socket://12…:9100"), and shows the whole text as its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QString fullText() const { return m_fullText; }
    // Where a text too long loses its characters.
    void setElideMode(Qt::TextElideMode mode);
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString m_fullText;
    Qt::TextElideMode m_mode = Qt::ElideMiddle;
};
