#include "pages/LeadingNumber.h"

#include "settings/PanelRules.h"

int LeadingNumber(const QString& text) {
    return settings::LeadingNumber(text.toStdString());
}
