#pragma once
#include <QWidget>

class QButtonGroup;
class QComboBox;

namespace settings {
class SettingsImage;
}

// A tab page that edits its own fields of the settings image through the rules of settings/.
// changed() tells the window that the user changed something; the window then stores every page
// into its current image (the data check). Loading never emits it.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Shows the page's fields of the image.
    virtual void load(const settings::SettingsImage& image) = 0;
    // Reads the controls in order; the first that fails its check shows its message, takes the
    // focus, and the fields not reached yet are written as last loaded or stored.
    virtual void store(settings::SettingsImage& image) = 0;
    // Asks for the page that holds the control to be shown, so that the user sees what a
    // message is about and where the focus goes; nothing for a control of a dialog.
    static void showPageOf(QWidget* control);

signals:
    void changed();
    // The page has a message about one of its controls: the window brings it to the front.
    void showRequested();

protected:
    // A loaded value the list does not hold leaves the list's choice as it is.
    static void showChoice(QComboBox* list, int index);
    // A loaded value that names no button shows none checked, which an exclusive group cannot do
    // by itself.
    static void showChoice(QButtonGroup* group, int id);
};
