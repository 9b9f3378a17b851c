#include "pages/MemorySwitchPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "pages/CheckedRadioFocus.h"
#include "pages/FocusedWheel.h"
#include "settings/PanelWords.h"
#include "ui/Messages.h"
#include "ui_MemorySwitch1Page.h"
#include "ui_MemorySwitch2Page.h"
#include "ui_MemorySwitch3Page.h"
#include "ui_MemorySwitch4Page.h"

namespace {

template <class Form>
void SetUpForm(QWidget* page) {
    Form form;  // the controls are found by name; the generated pointers are not kept
    form.setupUi(page);
}

template <class T>
T* Control(const QWidget* page, const QString& name) {
    T* control = page->findChild<T*>(name);
    Q_ASSERT_X(control, "MemorySwitchPage", qPrintable(name));
    return control;
}

}  // namespace

MemorySwitchPage::MemorySwitchPage(int msw, QWidget* parent) : SettingsPage(parent), m_msw(msw) {
    switch (msw) {
        case 0:
            SetUpForm<Ui::MemorySwitch1Page>(this);
            break;
        case 1:
            SetUpForm<Ui::MemorySwitch2Page>(this);
            break;
        case 2:
            SetUpForm<Ui::MemorySwitch3Page>(this);
            break;
        default:
            SetUpForm<Ui::MemorySwitch4Page>(this);
            break;
    }
    // Which switches a control shows is the settings' rule; the form says which control: the
    // country list for MSW1-1..3, else a check box "switchN" or the radio pair "switchNoff" /
    // "switchNon" (0 and 1).
    for (int k = 0; k < 8; ++k) {
        if (settings::kSwitchUse[msw][k] != settings::SwitchUse::Shown || (msw == 0 && k < 3))
            continue;
        const QString name = QStringLiteral("switch%1").arg(k + 1);
        if (auto* check = findChild<QCheckBox*>(name)) {
            m_checks[k] = check;
            connect(check, &QCheckBox::clicked, this, &SettingsPage::changed);
            continue;
        }
        auto* group = new QButtonGroup(this);
        group->addButton(Control<QRadioButton>(this, name + QStringLiteral("off")), 0);
        group->addButton(Control<QRadioButton>(this, name + QStringLiteral("on")), 1);
        connect(group, &QButtonGroup::buttonClicked, this, &SettingsPage::changed);
        m_pairs[k] = group;
    }
    if (msw == 0) {
        m_country = Control<QComboBox>(this, QStringLiteral("country"));
        for (const auto& word : settings::words::kCountries)
            m_country->addItem(msg::PanelWord(word.text));
        m_country->setCurrentIndex(-1);  // nothing chosen before the first load
        connect(m_country, &QComboBox::activated, this, &SettingsPage::changed);
    }
    new CheckedRadioFocus(this);
    new FocusedWheel(this);
}

MemorySwitchPage::~MemorySwitchPage() = default;

void MemorySwitchPage::load(const settings::SettingsImage& image) {
    m_switches = settings::DecodeSwitches(image, m_msw);
    for (int k = 0; k < 8; ++k) {
        if (m_pairs[k])
            m_pairs[k]->button(m_switches[k] == 1 ? 1 : 0)->setChecked(true);
        else if (m_checks[k])
            m_checks[k]->setChecked(m_switches[k] == 1);
    }
    // Codes that name no country show as Japan.
    if (m_country)
        m_country->setCurrentIndex(settings::CountryIndex(settings::CountryCode(m_switches)));
}

void MemorySwitchPage::store(settings::SettingsImage& image) {
    for (int k = 0; k < 8; ++k) {
        // A pair with neither button checked (only before the first load) stores 0.
        if (m_pairs[k])
            m_switches[k] = m_pairs[k]->checkedId() == 1 ? 1 : 0;
        else if (m_checks[k])
            m_switches[k] = m_checks[k]->isChecked() ? 1 : 0;
    }
    // No country chosen counts as Japan.
    if (m_country)
        settings::SetCountry(m_country->currentIndex(), m_switches);
    settings::EncodeSwitches(m_switches, m_msw, image);
}
