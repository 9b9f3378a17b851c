#include "framework/TrackbarControl.h"

#include <QSignalBlocker>

#include "framework/WinDefs.h"

TrackbarControl::TrackbarControl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(1);
    setSingleStep(1);
    setFocusPolicy(Qt::StrongFocus);
    setRange(0, 100);
    connect(this, &QSlider::valueChanged, this, [this](int) { Notify(TB_THUMBPOSITION); });
    connect(this, &QSlider::sliderReleased, this, [this] { Notify(TB_ENDTRACK); });
}

void TrackbarControl::SetRange(int min, int max) {
    QSignalBlocker block(this);
    setRange(min, max);
}

void TrackbarControl::SetPos(int pos) {
    QSignalBlocker block(this);
    setValue(pos);
}
