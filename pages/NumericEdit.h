#pragma once
// The numeric edit the pages and the format dialog share, with the arrows beside it.
#include <QLineEdit>
#include <QWidget>

class QToolButton;

// Digits only, a range, and the pieces of the typing corrections: the edits differ in what they
// correct, so each page decides, from these, in its handler of textChanged.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    // The unit shown beside the edit; with the range, what a screen reader tells of the edit.
    void setUnit(const QString& unit);
    // A fixed width that shows this many digits in the edit's font, frame and margins included.
    void fitDigits(int digits);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The text as a number: blanks first, an optional minus when signed, then only digits;
    // anything else, or a number too large for 32 bits, reads as 0.
    long long number(bool isSigned = false) const;
    // Whether the user is typing here: the edit is the focus control of its own window, whether
    // or not that window is the active one right now (a file dialog may be open over it).
    bool isUsersFocus() const;
    // Long input (leading zeros, a pasted number): a text longer than plainLength is rewritten as
    // the plain value of its first nine characters, as a fixed buffer once held them. Only a
    // different text is written, so the rewriting comes to rest. Returns what the text now reads as.
    long long rewriteLongText(int plainLength);
    // Writes the value only when the text differs, so the change it raises finds nothing more to
    // do and the corrections come to rest.
    void showValue(long long value);
    // Writes the value even when the text stays the same, so the change handler runs again.
    void setValueNotifying(long long value);

    // The store's check: a text that is no integer, or one outside the range, shows its page,
    // the range's message (caption: the application's name), takes the focus and selects the
    // text; false then.
    bool readValue(int& value);
    bool readValueInRange(int& value);
    // Moves the focus here and selects the whole text, as after a failed check.
    void focusAndSelect();

    // One step of the arrows or of Up/Down: the next value inside the range.
    void stepBy(int steps);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void complain(const QString& text);
    void describe();

    QString m_unit;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_lastStep = 0;  // where the arrows stand when the text is no number
};

// The up and down arrows beside a numeric edit; they never take the focus.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);
    void setEdit(NumericEdit* edit);
    NumericEdit* edit() const { return m_edit; }
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    NumericEdit* m_edit = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
};
