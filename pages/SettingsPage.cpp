#include "pages/SettingsPage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>

void SettingsPage::showPageOf(QWidget* control) {
    for (QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (auto* page = qobject_cast<SettingsPage*>(w)) {
            emit page->showRequested();
            return;
        }
    }
}

void SettingsPage::showChoice(QComboBox* list, int index) {
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

void SettingsPage::showChoice(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}
