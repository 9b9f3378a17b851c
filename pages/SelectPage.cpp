#include "pages/SelectPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QRadioButton>

#include "pages/CheckedRadioFocus.h"
#include "pages/FocusedWheel.h"
#include "settings/FormatBlock.h"
#include "settings/PanelWords.h"
#include "settings/SettingsImage.h"
#include "ui/Messages.h"
#include "ui/Seams.h"
#include "ui_SelectPage.h"

SelectPage::SelectPage(QWidget* parent)
    : SettingsPage(parent),
      m_ui(std::make_unique<Ui::SelectPage>()),
      m_typefaces(new QButtonGroup(this)),
      m_hoppers(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    m_typefaces->addButton(m_ui->mincho, 0);
    m_typefaces->addButton(m_ui->gothic, 1);
    m_hoppers->addButton(m_ui->hopper1, 0);
    m_hoppers->addButton(m_ui->hopper2, 1);
    for (const auto& word : settings::words::kReductions)
        m_ui->reduction->addItem(msg::PanelWord(word.text));
    for (int format = 0; format < static_cast<int>(settings::words::kFormats.size()); ++format)
        m_ui->format->addItem(FormatSettingsDialog::formatName(format));
    // Nothing is chosen before the first load.
    m_ui->reduction->setCurrentIndex(-1);
    m_ui->format->setCurrentIndex(-1);
    new CheckedRadioFocus(this);
    new FocusedWheel(this);

    connect(m_typefaces, &QButtonGroup::buttonClicked, this, &SettingsPage::changed);
    connect(m_hoppers, &QButtonGroup::buttonClicked, this, &SettingsPage::changed);
    connect(m_ui->reduction, &QComboBox::activated, this, &SettingsPage::changed);
    connect(m_ui->format, &QComboBox::activated, this, [this] {
        // The data check stores the choice first, so the button names the stored format.
        emit changed();
        refreshFormatButton();
    });
    connect(m_ui->formatSettings, &QPushButton::clicked, this, &SelectPage::editFormat);
    // The group box's own mnemonic would go back to whichever of its controls had the focus last;
    // it always meant the list.
    m_ui->formatBox->installEventFilter(this);
}

SelectPage::~SelectPage() = default;

bool SelectPage::eventFilter(QObject* watched, QEvent* event) {
    // The box grabs no shortcut but its title's mnemonic.
    if (watched == m_ui->formatBox && event->type() == QEvent::Shortcut) {
        m_ui->format->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return SettingsPage::eventFilter(watched, event);
}

void SelectPage::load(const settings::SettingsImage& image) {
    settings::DecodeSelect(image, m_values);
    // Only the format dialog looks inside the blocks.
    settings::DecodeFormatBlocks(image, m_blocks);
    showChoice(m_ui->reduction, m_values.reduction);
    showChoice(m_typefaces, m_values.typeface);
    showChoice(m_ui->format, m_values.format);
    showChoice(m_hoppers, m_values.hopper);
}

void SelectPage::store(settings::SettingsImage& image) {
    // No control here has a check that can fail.
    m_values.reduction = m_ui->reduction->currentIndex();
    m_values.typeface = m_typefaces->checkedId();
    m_values.format = m_ui->format->currentIndex();
    m_values.hopper = m_hoppers->checkedId();
    settings::EncodeSelect(m_values, image);
    settings::EncodeFormatBlocks(m_blocks, image);
}

void SelectPage::refreshFormatButton() {
    m_ui->formatSettings->setText(
        msg::FormatSettingsButton(FormatSettingsDialog::formatName(m_values.format)));
}

void SelectPage::editFormat() {
    // The held format is current: every choice in the format list has run the data check already.
    FormatSettingsDialog dialog(m_values.format, m_blocks, m_formatValues, this);
    // Only OK writes a block; the data check then carries it into the current image.
    if (seams::modalLoop().run(dialog) == QDialog::Accepted)
        emit changed();
}
