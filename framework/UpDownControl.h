#pragma once
#include <QWidget>

class EditControl;
class QToolButton;

// Up-down control bound to the edit before it: steps the number in the edit within its range,
// writing it as text; the arrow keys in the edit step it too. It never takes the focus.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent);
    void SetBuddy(EditControl* buddy);
    EditControl* GetBuddy() const { return m_buddy; }
    void SetRange(int min, int max);
    int GetRangeMin() const { return m_min; }
    int GetRangeMax() const { return m_max; }
    void SetPos(int pos);
    int GetPos() const;
    // One step up (+1) or down (-1), as a click on an arrow does.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    EditControl* m_buddy = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 100;  // the control's default range runs backwards, as on Windows
    int m_max = 0;
    int m_pos = 0;
};
