#include "pages/NumericEdit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>

#include "pages/SettingsPage.h"
#include "settings/PanelRules.h"
#include "ui/Messages.h"
#include "ui/Seams.h"

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {
    // What the user types is digits only; loaded or pasted-in-code text is not filtered.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void NumericEdit::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_lastStep = std::clamp(m_lastStep, minimum, maximum);
    describe();
}

void NumericEdit::setUnit(const QString& unit) {
    m_unit = unit;
    describe();
}

void NumericEdit::describe() {
    // The range is in no label and the unit beside the edit is a label of its own: a screen
    // reader says neither with the edit's name.
    setAccessibleDescription(msg::NumericEditDescription(m_minimum, m_maximum, m_unit));
}

void NumericEdit::fitDigits(int digits) {
    // The line edit's own width is for about seventeen characters: trade those for the digits.
    const QFontMetrics metrics = fontMetrics();
    const int usual = metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    const int needed = metrics.horizontalAdvance(QString(digits, QLatin1Char('0')));
    setFixedWidth(sizeHint().width() - usual + needed);
}

long long NumericEdit::number(bool isSigned) const {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(-?)(\\d+)$"));
    const auto match = pattern.match(text());
    const bool negative = match.hasMatch() && !match.captured(1).isEmpty();
    if (!match.hasMatch() || (negative && !isSigned))
        return 0;
    bool ok = false;
    const qulonglong magnitude = match.captured(2).toULongLong(&ok);
    const qulonglong limit = !isSigned ? 4294967295ULL : negative ? 2147483648ULL : 2147483647ULL;
    if (!ok || magnitude > limit)
        return 0;
    return negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
}

bool NumericEdit::isUsersFocus() const {
    return window()->focusWidget() == this;
}

void NumericEdit::showValue(long long value) {
    const QString shown = QString::number(value);
    if (text() != shown)
        setText(shown);
}

void NumericEdit::setValueNotifying(long long value) {
    const QString shown = QString::number(value);
    if (text() == shown)
        emit textChanged(shown);
    else
        setText(shown);
}

long long NumericEdit::rewriteLongText(int plainLength) {
    const QString full = text();
    const QString head = full.left(9);
    if (head.size() > plainLength) {
        const QString plain = QString::number(settings::LeadingNumber(head.toStdString()));
        if (plain != full)
            setText(plain);
    }
    return number();
}

void NumericEdit::focusAndSelect() {
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

bool NumericEdit::readValue(int& value) {
    // An integer as a dialog reads one: blanks, an optional sign, digits, blanks; 32 bits.
    static const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?\\d+)\\s*$"));
    const auto match = pattern.match(text());
    bool ok = match.hasMatch();
    const long long parsed = ok ? match.captured(1).toLongLong(&ok) : 0;
    if (!ok || parsed < INT32_MIN || parsed > INT32_MAX) {
        complain(msg::EnterInteger());
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool NumericEdit::readValueInRange(int& value) {
    int read = 0;
    if (!readValue(read))
        return false;
    value = read;
    if (read >= m_minimum && read <= m_maximum)
        return true;
    complain(msg::EnterIntegerInRange(m_minimum, m_maximum));
    return false;
}

void NumericEdit::complain(const QString& text) {
    // A check run from another page (the data check runs on every change) is about an edit the
    // user cannot see: its page comes to the front first.
    SettingsPage::showPageOf(this);
    seams::warn(this, text, QCoreApplication::applicationName());
    focusAndSelect();
}

void NumericEdit::stepBy(int steps) {
    // The edit's number is where the arrows stand; a text that is no number leaves the last place.
    bool ok = false;
    const int at = text().toInt(&ok);
    const int from = ok ? at : m_lastStep;
    const int next = from < m_minimum || from > m_maximum ? std::clamp(from, m_minimum, m_maximum)
                                                          : std::clamp(from + steps, m_minimum, m_maximum);
    if (next == from && text() == QString::number(from))
        return;
    m_lastStep = next;
    setValueNotifying(next);
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    for (QToolButton* button : {m_up, m_down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    m_up->setAccessibleName(msg::StepUp());
    m_down->setAccessibleName(msg::StepDown());
    connect(m_up, &QToolButton::clicked, this, [this] {
        if (m_edit)
            m_edit->stepBy(1);
    });
    connect(m_down, &QToolButton::clicked, this, [this] {
        if (m_edit)
            m_edit->stepBy(-1);
    });
}

void SpinArrows::setEdit(NumericEdit* edit) {
    m_edit = edit;
}

QSize SpinArrows::sizeHint() const {
    const int height = m_edit ? m_edit->sizeHint().height() : 22;
    return {std::max(14, height * 2 / 3), height};
}

void SpinArrows::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
