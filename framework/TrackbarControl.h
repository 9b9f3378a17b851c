#pragma once
#include <QSlider>

#include "framework/ControlNotifier.h"

// Trackbar: positions set by the program are silent; the user's moves report WM_HSCROLL.
class TrackbarControl : public QSlider, public ControlNotifier {
    Q_OBJECT
public:
    explicit TrackbarControl(QWidget* parent);
    void SetRange(int min, int max);
    void SetPos(int pos);
    int GetPos() const { return value(); }
};
