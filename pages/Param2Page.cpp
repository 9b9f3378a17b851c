#include "pages/Param2Page.h"

#include <QComboBox>
#include <array>

#include "pages/FocusedWheel.h"
#include "pages/NumericEdit.h"
#include "settings/PanelWords.h"
#include "ui/Messages.h"
#include "ui_Param2Page.h"

namespace {

constexpr settings::Range kSeconds = settings::kIntakeTimeRange;

}  // namespace

Param2Page::Param2Page(QWidget* parent) : SettingsPage(parent), m_ui(std::make_unique<Ui::Param2Page>()) {
    m_ui->setupUi(this);
    for (const settings::words::ReturnTimeWord& word : settings::words::kReturnTimes)
        m_ui->returnTime->addItem(msg::PanelWord(word.text));
    for (QComboBox* list : {m_ui->sheetGuide, m_ui->sheetFeeder, m_ui->frontTractor, m_ui->rearTractor}) {
        for (std::string_view word : settings::words::kPitchCorrections)
            list->addItem(QString::fromUtf8(word));
    }
    for (QComboBox* list :
         {m_ui->sheetGuide, m_ui->sheetFeeder, m_ui->frontTractor, m_ui->rearTractor, m_ui->returnTime}) {
        list->setCurrentIndex(-1);  // nothing chosen before the first load
        connect(list, &QComboBox::activated, this, &SettingsPage::changed);
    }
    new FocusedWheel(this);
    m_ui->intakeTime->setRange(kSeconds.min, kSeconds.max);
    m_ui->intakeTime->setUnit(m_ui->intakeTimeUnit->text());
    m_ui->intakeTime->fitDigits(3);
    m_ui->intakeTimeArrows->setEdit(m_ui->intakeTime);
    connect(m_ui->intakeTime, &QLineEdit::textChanged, this, &Param2Page::onIntakeTimeChanged);
}

Param2Page::~Param2Page() = default;

void Param2Page::load(const settings::SettingsImage& image) {
    // Whatever the intake byte holds is shown; the range is checked when the page is stored.
    settings::DecodeParam2(image, m_values);
    m_ui->intakeTime->showValue(m_values.intakeTime);
    for (std::size_t i = 0; i < settings::words::kReturnTimes.size(); ++i) {
        if (settings::words::kReturnTimes[i].seconds == m_values.returnTime)
            showChoice(m_ui->returnTime, static_cast<int>(i));
    }
    // A text the list does not hold ("+7") leaves the list's choice as it is.
    const std::pair<QComboBox*, const std::string&> pitches[] = {{m_ui->sheetGuide, m_values.pitch[2]},
                                                                 {m_ui->sheetFeeder, m_values.pitch[3]},
                                                                 {m_ui->frontTractor, m_values.pitch[0]},
                                                                 {m_ui->rearTractor, m_values.pitch[1]}};
    for (const auto& [list, text] : pitches)
        showChoice(list, list->findText(QString::fromStdString(text)));
}

void Param2Page::store(settings::SettingsImage& image) {
    readControls();
    settings::EncodeParam2(m_values, image);
}

void Param2Page::readControls() {
    if (!m_ui->intakeTime->readValueInRange(m_values.intakeTime))
        return;
    // No choice names no return time, which is written as the default.
    const int returnTime = m_ui->returnTime->currentIndex();
    m_values.returnTime =
        returnTime >= 0 ? settings::words::kReturnTimes[static_cast<std::size_t>(returnTime)].seconds : -1;
    // The lists in the page's order; the values are kept in image order.
    const std::pair<QComboBox*, std::string&> pitches[] = {{m_ui->sheetGuide, m_values.pitch[2]},
                                                           {m_ui->sheetFeeder, m_values.pitch[3]},
                                                           {m_ui->frontTractor, m_values.pitch[0]},
                                                           {m_ui->rearTractor, m_values.pitch[1]}};
    for (const auto& [list, text] : pitches)
        text = list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
}

void Param2Page::onIntakeTimeChanged() {
    NumericEdit* edit = m_ui->intakeTime;
    const long long value = edit->rewriteLongText(2);
    // Only what the user is typing is corrected; a loaded value waits for the range check.
    if (edit->isUsersFocus()) {
        if (value < kSeconds.min)
            edit->setValueNotifying(kSeconds.min);
        else if (value > kSeconds.max)
            edit->setValueNotifying(kSeconds.max);
    }
    emit changed();
}
