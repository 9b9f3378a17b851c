#include "pages/ParamPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <tuple>

#include "pages/CheckedRadioFocus.h"
#include "pages/FocusedWheel.h"
#include "pages/NumericEdit.h"
#include "settings/PanelWords.h"
#include "ui/Messages.h"
#include "ui/Seams.h"
#include "ui_ParamPage.h"

namespace {

constexpr settings::Range kPositions = settings::kHeadCentringRange;

template <std::size_t N>
void FillList(QComboBox* list, const std::array<std::string_view, N>& words) {
    for (std::string_view word : words)
        list->addItem(msg::PanelWord(word));
    list->setCurrentIndex(-1);  // nothing chosen before the first load
}

QButtonGroup* RadioPair(QWidget* owner, QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(owner);
    group->addButton(first, 0);
    group->addButton(second, 1);
    return group;
}

}  // namespace

ParamPage::ParamPage(QWidget* parent) : SettingsPage(parent), m_ui(std::make_unique<Ui::ParamPage>()) {
    m_ui->setupUi(this);
    FillList(m_ui->font1, settings::words::kFonts);
    FillList(m_ui->font2, settings::words::kFonts);
    FillList(m_ui->kanjiTable, settings::words::kKanjiTables);
    m_postcard = RadioPair(this, m_ui->postcardOff, m_ui->postcardOn);
    m_paperSet = RadioPair(this, m_ui->paperCentre, m_ui->paperLeft);
    new CheckedRadioFocus(this);
    new FocusedWheel(this);

    const std::tuple<NumericEdit*, SpinArrows*, QLabel*> positions[] = {
        {m_ui->cutSheet, m_ui->cutSheetArrows, m_ui->cutSheetUnit},
        {m_ui->frontTractor, m_ui->frontTractorArrows, m_ui->frontTractorUnit},
        {m_ui->rearTractor, m_ui->rearTractorArrows, m_ui->rearTractorUnit}};
    for (const auto& [edit, arrows, unit] : positions) {
        edit->setRange(kPositions.min, kPositions.max);
        edit->setUnit(unit->text());
        edit->fitDigits(4);
        arrows->setEdit(edit);
    }
    // Loads run the corrections too: a value loaded into the edit the user is in is judged as typed.
    connect(m_ui->cutSheet, &QLineEdit::textChanged, this,
            [this] { onHeadCentringChanged(m_ui->cutSheet, m_cutSheetPending); });
    connect(m_ui->frontTractor, &QLineEdit::textChanged, this,
            [this] { onHeadCentringChanged(m_ui->frontTractor, m_frontTractorPending); });
    connect(m_ui->rearTractor, &QLineEdit::textChanged, this,
            [this] { onHeadCentringChanged(m_ui->rearTractor, m_rearTractorPending); });
    for (QComboBox* list : {m_ui->font1, m_ui->font2, m_ui->kanjiTable})
        connect(list, &QComboBox::activated, this, &SettingsPage::changed);
    for (QButtonGroup* group : {m_postcard, m_paperSet})
        connect(group, &QButtonGroup::buttonClicked, this, &SettingsPage::changed);
}

ParamPage::~ParamPage() = default;

void ParamPage::load(const settings::SettingsImage& image) {
    settings::DecodeParam(image, m_values);
    showChoice(m_ui->font1, m_values.font1);
    showChoice(m_ui->font2, m_values.font2);
    showChoice(m_ui->kanjiTable, m_values.kanjiTable);
    m_ui->frontTractor->showValue(m_values.frontTractor);
    m_ui->cutSheet->showValue(m_values.cutSheet);
    showChoice(m_postcard, m_values.postcardMode);
    m_ui->rearTractor->showValue(m_values.rearTractor);
    showChoice(m_paperSet, m_values.paperSet);
}

void ParamPage::store(settings::SettingsImage& image) {
    readControls();
    settings::EncodeParam(m_values, image);
}

void ParamPage::readControls() {
    m_values.font1 = m_ui->font1->currentIndex();
    m_values.font2 = m_ui->font2->currentIndex();
    m_values.kanjiTable = m_ui->kanjiTable->currentIndex();
    if (!m_ui->frontTractor->readValue(m_values.frontTractor) ||
        !m_ui->cutSheet->readValue(m_values.cutSheet))
        return;
    m_values.postcardMode = m_postcard->checkedId();
    if (!m_ui->rearTractor->readValue(m_values.rearTractor))
        return;
    m_values.paperSet = m_paperSet->checkedId();
}

void ParamPage::onHeadCentringChanged(NumericEdit* edit, bool& pending) {
    pending = false;
    const long long value = edit->rewriteLongText(3);
    // Only what the user is typing is corrected; a loaded value waits until the user edits it.
    if (edit->isUsersFocus()) {
        if (value < kPositions.min) {
            // One digit from 1 to 6 may still become 10..68: flag it and let the user go on.
            if (value >= 1 && value <= 6)
                pending = true;
            else
                edit->setValueNotifying(kPositions.min);
        } else if (value > kPositions.max) {
            edit->setValueNotifying(kPositions.max);
        }
    }
    emit changed();
}

void ParamPage::correctHeadCentring() {
    emit showRequested();
    seams::warn(this, msg::HeadCentringOutOfRange(), msg::HeadCentringCaption());
    const std::pair<NumericEdit*, const bool*> positions[] = {{m_ui->cutSheet, &m_cutSheetPending},
                                                              {m_ui->frontTractor, &m_frontTractorPending},
                                                              {m_ui->rearTractor, &m_rearTractorPending}};
    for (const auto& [edit, pending] : positions) {
        if (!*pending)
            continue;
        // The change handler clears the flag.
        edit->setValueNotifying(kPositions.min);
        edit->setFocus(Qt::OtherFocusReason);
    }
}
