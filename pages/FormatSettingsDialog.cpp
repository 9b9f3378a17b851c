#include "pages/FormatSettingsDialog.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <optional>
#include <vector>

#include "pages/FocusedWheel.h"
#include "pages/NumericEdit.h"
#include "settings/PanelRules.h"
#include "settings/PanelWords.h"
#include "ui/DialogFrame.h"
#include "ui/Messages.h"
#include "ui/Seams.h"
#include "ui_FormatSettingsDialog.h"

namespace {

constexpr settings::Range kPositions = settings::kIntakePositionRange;
constexpr settings::Range kLength = settings::kPaperLengthRange;
constexpr settings::Range kLeftMargin = settings::kLeftMarginRange;
constexpr settings::Range kRightMargin = settings::kRightMarginRange;

// Texts longer than these are rewritten as their leading number.
constexpr int kLongPosition = 4;
constexpr int kLongLength = 3;
constexpr int kLongMargin = 4;

struct PathRow {
    const char* name;  // of the edit; its slider, arrows and label add a suffix
    bool postcard;
    int settings::FormatValues::*position;
    int settings::FormatValues::*stop;
};

// In the order of the rows, of the reading on OK and of the low positions' messages.
const PathRow kPaths[] = {
    {"front", false, &settings::FormatValues::front, &settings::FormatValues::frontStop},
    {"rear", false, &settings::FormatValues::rear, &settings::FormatValues::rearStop},
    {"guide", false, &settings::FormatValues::guide, &settings::FormatValues::guideStop},
    {"feeder", false, &settings::FormatValues::feeder, &settings::FormatValues::feederStop},
    {"postcard", true, &settings::FormatValues::postcard, &settings::FormatValues::postcardStop},
};

// Lone values that become 40 at once while typing: an emptied edit and the digits 2 and 3, which
// no further digit brings into 40..132; the postcard edit treats a lone 4 the same way. Other
// small values stay, since the user may still be typing a larger number.
bool IsDeadStart(int v, bool postcard) {
    return v == 0 || v == 2 || v == 3 || (postcard && v == 4);
}

int EditValue(const NumericEdit* edit) {
    return static_cast<int>(edit->number(true));
}

// What a change handler reads: the edit's value, and the text to write back when the text was
// longer than `longest` (leading zeros, a pasted number) and so reads as its leading number.
struct Typed {
    int value;
    std::optional<int> rewrite;
};

Typed ReadTyped(const NumericEdit* edit, int longest) {
    const QString text = edit->text();
    if (text.size() <= longest)
        return {EditValue(edit), std::nullopt};
    const int value = settings::LeadingNumber(text.toStdString());
    return {value, value};
}

QLabel* Mark(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

}  // namespace

FormatSettingsDialog::FormatSettingsDialog(int format, settings::FormatBlocks& blocks,
                                           settings::FormatValues& values, QWidget* parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::FormatSettingsDialog>()),
      m_format(format),
      m_blocks(blocks),
      m_values(values) {
    m_ui->setupUi(this);
    UseDialogFrame(*this);
    addIntakeRows();
    new FocusedWheel(this);
    const std::pair<NumericEdit*, settings::Range> ranges[] = {
        {m_ui->paperLength, kLength}, {m_ui->leftMargin, kLeftMargin}, {m_ui->rightMargin, kRightMargin}};
    for (const auto& [edit, range] : ranges) {
        edit->setRange(range.min, range.max);
        edit->fitDigits(4);
    }
    m_ui->paperLength->setUnit(m_ui->paperLengthUnit->text());
    m_ui->leftMargin->setUnit(m_ui->leftMarginUnit->text());
    m_ui->rightMargin->setUnit(m_ui->rightMarginUnit->text());
    m_ui->paperLengthArrows->setEdit(m_ui->paperLength);
    m_ui->leftMarginArrows->setEdit(m_ui->leftMargin);
    m_ui->rightMarginArrows->setEdit(m_ui->rightMargin);
    connect(m_ui->paperLength, &QLineEdit::textChanged, this, [this] { onPaperLengthChanged(); });
    connect(m_ui->leftMargin, &QLineEdit::textChanged, this, [this] { onLeftMarginChanged(); });
    connect(m_ui->rightMargin, &QLineEdit::textChanged, this, [this] { onRightMarginChanged(); });
    connect(m_ui->ok, &QPushButton::clicked, this, &FormatSettingsDialog::accept);
    connect(m_ui->cancel, &QPushButton::clicked, this, &FormatSettingsDialog::reject);

    setWindowTitle(msg::FormatDialogTitle(formatName(format)));
    settings::DecodeFormat(m_blocks, format, m_values);
    showValues();
    // Format 0 has no margins.
    QWidget* const margins[] = {m_ui->leftMarginLabel,   m_ui->leftMargin,       m_ui->leftMarginArrows,
                                m_ui->leftMarginUnit,    m_ui->rightMarginLabel, m_ui->rightMargin,
                                m_ui->rightMarginArrows, m_ui->rightMarginUnit};
    for (QWidget* w : margins)
        w->setEnabled(format != 0);
}

FormatSettingsDialog::~FormatSettingsDialog() = default;

QString FormatSettingsDialog::formatName(int format) {
    const auto& names = settings::words::kFormats;
    return format >= 0 && format < static_cast<int>(names.size())
               ? msg::PanelWord(names[static_cast<std::size_t>(format)])
               : QString();
}

void FormatSettingsDialog::addIntakeRows() {
    // Each path takes three grid rows and a gap: the label, slider and edit; the inch marks under
    // the slider's middle and right stops; the millimetre mark under its left stop. The slider
    // spans three equal columns so that each mark stands under its stop.
    QGridLayout* grid = m_ui->intakeLayout;
    grid->setVerticalSpacing(0);
    const int gap = fontMetrics().height() / 2;
    QWidget* box = m_ui->intakeBox;
    std::vector<QWidget*> order;
    for (std::size_t i = 0; i < std::size(kPaths); ++i) {
        const PathRow& row = kPaths[i];
        const QString name = QString::fromLatin1(row.name);
        const int top = static_cast<int>(i) * 4;
        auto* label = new QLabel(msg::IntakeRowLabel(static_cast<int>(i)), box);
        auto* slider = new QSlider(Qt::Horizontal, box);
        auto* edit = new NumericEdit(box);
        auto* arrows = new SpinArrows(box);
        label->setObjectName(name + QStringLiteral("Label"));
        slider->setObjectName(name + QStringLiteral("Slider"));
        edit->setObjectName(name);
        arrows->setObjectName(name + QStringLiteral("Arrows"));
        // As the old label rule had it: the label's mnemonic goes to the next control, the slider.
        label->setBuddy(slider);
        slider->setRange(0, 2);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setFocusPolicy(Qt::StrongFocus);
        edit->setRange(kPositions.min, kPositions.max);
        edit->fitDigits(4);
        arrows->setEdit(edit);
        // The label names the slider; the edit is named as the messages name its value.
        edit->setAccessibleName(msg::IntakePositionCaption(msg::IntakePathName(static_cast<int>(i))));
        edit->setUnit(msg::PositionUnit());
        slider->setAccessibleDescription(msg::IntakeStops(row.postcard));

        grid->addWidget(label, top, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(slider, top, 1, 1, 3);
        grid->addWidget(edit, top, 5);
        grid->addWidget(arrows, top, 6);
        grid->addWidget(Mark(QStringLiteral("1/2"), box), top + 1, 2, Qt::AlignHCenter);
        grid->addWidget(Mark(QStringLiteral("1"), box), top + 1, 3, Qt::AlignRight);
        grid->addWidget(Mark(msg::InchUnit(), box), top + 1, 4);
        grid->addWidget(Mark(msg::PositionUnit(), box), top + 1, 5, 1, 2, Qt::AlignRight);
        grid->addWidget(Mark(row.postcard ? QStringLiteral("11.5") : QStringLiteral("9.7"), box), top + 2, 1,
                        Qt::AlignLeft);
        grid->addWidget(Mark(msg::MillimetreUnit(), box), top + 2, 4);
        if (i + 1 < std::size(kPaths))
            grid->setRowMinimumHeight(top + 3, gap);

        m_intakes[i] = {slider,       edit,     row.postcard,
                        row.position, row.stop, msg::IntakePathName(static_cast<int>(i))};
        const Intake* intake = &m_intakes[i];
        connect(edit, &QLineEdit::textChanged, this, [this, intake] { onIntakeChanged(*intake); });
        connect(slider, &QSlider::valueChanged, this, [this, intake] { onSliderMoved(*intake); });
        connect(slider, &QSlider::sliderReleased, this, [this, intake] { onSliderMoved(*intake); });

        order.push_back(slider);
        order.push_back(edit);
    }
    for (int column = 1; column <= 3; ++column)
        grid->setColumnStretch(column, 1);
    // The rows come first, as in the old dialog: the slider, then the edit, of each path.
    order.insert(order.end(),
                 {m_ui->paperLength, m_ui->leftMargin, m_ui->rightMargin, m_ui->ok, m_ui->cancel});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The round starts at the first slider, whichever widget the chain starts from.
    order.front()->setFocus(Qt::OtherFocusReason);
}

void FormatSettingsDialog::showValues() {
    for (const Intake& intake : m_intakes) {
        intake.edit->showValue(m_values.*intake.position);
        const QSignalBlocker quiet(intake.slider);
        intake.slider->setValue(m_values.*intake.stop);
    }
    m_ui->paperLength->showValue(m_values.paperLength);
    m_ui->leftMargin->showValue(m_values.leftMargin);
    m_ui->rightMargin->showValue(m_values.rightMargin);
}

bool FormatSettingsDialog::readValues() {
    // In order; the first that fails has shown its message and taken the focus.
    for (const Intake& intake : m_intakes) {
        if (!intake.edit->readValueInRange(m_values.*intake.position))
            return false;
        m_values.*intake.stop = intake.slider->value();
    }
    return m_ui->paperLength->readValueInRange(m_values.paperLength) &&
           m_ui->leftMargin->readValue(m_values.leftMargin) &&
           m_ui->rightMargin->readValue(m_values.rightMargin);
}

void FormatSettingsDialog::accept() {
    if (m_rightMarginPending) {
        seams::warn(this, msg::RightMarginNotAboveLeft(), msg::RightMarginCaption());
        // The change this raises clears the pending complaint.
        m_ui->rightMargin->setValueNotifying(static_cast<long long>(EditValue(m_ui->leftMargin)) + 1);
        m_ui->rightMargin->setFocus(Qt::OtherFocusReason);
        return;
    }
    // One low intake position per press, the front-most first.
    for (const Intake& intake : m_intakes) {
        if (EditValue(intake.edit) >= kPositions.min)
            continue;
        seams::warn(this, msg::IntakePositionTooLow(intake.path), msg::IntakePositionCaption(intake.path));
        intake.edit->setValueNotifying(kPositions.min);
        return;
    }
    if (!readValues())
        return;
    settings::EncodeFormat(m_values, m_format, m_blocks);
    QDialog::accept();
}

void FormatSettingsDialog::onIntakeChanged(const Intake& intake) {
    auto [v, target] = ReadTyped(intake.edit, kLongPosition);
    const bool longText = target.has_value();
    // Only typing is corrected. A digit that may still grow into a valid value stays; a long
    // text is complete, so it is brought into the range at once.
    if (intake.edit->isUsersFocus()) {
        if (longText)
            target = std::clamp(v, kPositions.min, kPositions.max);
        else if (v < kPositions.min && IsDeadStart(v, intake.postcard))
            target = kPositions.min;
        else if (v > kPositions.max)
            target = kPositions.max;
    }
    if (target) {
        intake.edit->showValue(*target);
        v = *target;
    }
    // Set quietly: only the user's moves of the slider write the edit.
    const QSignalBlocker quiet(intake.slider);
    intake.slider->setValue(settings::NearestStop(v, intake.postcard));
}

void FormatSettingsDialog::onSliderMoved(const Intake& intake) {
    // The slider being moved is the one with the focus (a click gives it the focus); a move of
    // another one is dropped.
    if (window()->focusWidget() != intake.slider)
        return;
    intake.edit->setValueNotifying(settings::StopValue(intake.slider->value(), intake.postcard));
}

void FormatSettingsDialog::onPaperLengthChanged() {
    NumericEdit* edit = m_ui->paperLength;
    auto [v, target] = ReadTyped(edit, kLongLength);
    if (edit->isUsersFocus())
        target = std::clamp(v, kLength.min, kLength.max);
    if (target)
        edit->showValue(*target);
}

void FormatSettingsDialog::onLeftMarginChanged() {
    NumericEdit* edit = m_ui->leftMargin;
    auto [v, target] = ReadTyped(edit, kLongMargin);
    const int right = EditValue(m_ui->rightMargin);
    if (edit->isUsersFocus()) {
        if (v < kLeftMargin.min) {
            target = kLeftMargin.min;
        } else if (v >= right) {
            // With a right margin of 0 or less (a stray block) there is no smaller value to offer:
            // 0 is kept without a message, so the correction cannot repeat itself.
            const int fixed = std::clamp(right - 1, kLeftMargin.min, kLeftMargin.max);
            if (fixed != v)
                seams::warn(this, msg::LeftMarginNotBelowRight(), msg::LeftMarginCaption());
            target = fixed;
        } else if (v > kLeftMargin.max) {
            target = kLeftMargin.max;
        }
    }
    if (target)
        edit->showValue(*target);
}

void FormatSettingsDialog::onRightMarginChanged() {
    NumericEdit* edit = m_ui->rightMargin;
    m_rightMarginPending = false;
    auto [v, target] = ReadTyped(edit, kLongMargin);
    const int left = EditValue(m_ui->leftMargin);
    if (edit->isUsersFocus()) {
        const int fixed = std::clamp(v, kRightMargin.min, kRightMargin.max);
        if (fixed != v || target)
            target = fixed;
        // The user may still be typing a larger number: the complaint waits for OK.
        if (left >= fixed)
            m_rightMarginPending = true;
    }
    if (target)
        edit->showValue(*target);
}
