// In both languages every mnemonic of a page or dialog is its own, and Alt with its letter, a real
// key event, reaches the control it names. In English none shares a letter with the menu bar
// either; in Japanese some do, as the panel always had them, and the control wins.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <map>

#include "platform/Translations.h"
#include "tests/app/MainWindowFixture.h"

namespace {

using platform::Language;

// The controls the window's keys give a mnemonic to: labels of a control, group boxes, buttons.
std::map<QWidget*, QKeySequence> MnemonicsOf(QWidget* form) {
    std::map<QWidget*, QKeySequence> found;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        // A label's mnemonic is its buddy's; one without a buddy has none.
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->buddy())
            continue;
        const QKeySequence keys = QKeySequence::mnemonic(testing_support::CaptionOf(w));
        if (!keys.isEmpty() && w->isVisibleTo(form) && w->isEnabled())
            found[w] = keys;
    }
    return found;
}

std::string Describe(const QWidget* w, const QKeySequence& keys) {
    return (w->objectName() + QLatin1Char(' ') + keys.toString()).toStdString();
}

// Whether the focus is where the mnemonic of `owner` sends it.
bool Reached(QWidget* owner, const QWidget* focus) {
    if (auto* label = qobject_cast<QLabel*>(owner))
        return focus == label->buddy();
    if (qobject_cast<QGroupBox*>(owner))
        return owner->isAncestorOf(focus);
    return focus == owner;
}

class Mnemonics : public MainWindowTest, public ::testing::WithParamInterface<Language> {
protected:
    // The letters of a form: none twice, none of `menuLetters` in English; then each pressed.
    // A button that opens a dialog is answered by `opened`.
    void expectOwnAndReached(QWidget* form, const QList<QKeySequence>& menuLetters,
                             const std::function<void(QDialog&)>& opened = {}) {
        const std::map<QWidget*, QKeySequence> letters = MnemonicsOf(form);
        EXPECT_FALSE(letters.empty());
        for (auto a = letters.begin(); a != letters.end(); ++a) {
            for (auto b = std::next(a); b != letters.end(); ++b)
                EXPECT_NE(a->second, b->second)
                    << Describe(a->first, a->second) << " and " << b->first->objectName().toStdString();
            if (GetParam() == Language::English) {
                EXPECT_FALSE(menuLetters.contains(a->second))
                    << Describe(a->first, a->second) << " and a menu";
            }
        }
        for (const auto& [owner, keys] : letters) {
            // A button that opens a dialog is reached when the dialog opens.
            const bool opens = qobject_cast<QPushButton*>(owner) && opened;
            const int dialogs = user.dialogsRun();
            if (opens)
                user.driveDialog(opened);
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : form, Qt::Key(keys[0].key()), Qt::AltModifier);
            if (opens) {
                EXPECT_EQ(user.dialogsRun(), dialogs + 1) << Describe(owner, keys);
                testing_support::ShowAndActivate(form->window());
            } else {
                EXPECT_TRUE(Reached(owner, QApplication::focusWidget())) << Describe(owner, keys);
            }
        }
    }

    const platform::Translations translations{GetParam()};
};

TEST_P(Mnemonics, EveryPageAndTheFormatDialog) {
    StartMainWindow();
    QList<QKeySequence> menuLetters;
    for (const QAction* menu : main->menuBar()->actions())
        menuLetters.append(QKeySequence::mnemonic(menu->text()));
    // The format with margins, so that their edits are reached too.
    testing_support::ChooseComboItem(Control<QComboBox>(0, "format"), 1);
    for (int page = 0; page < 7; ++page) {
        SCOPED_TRACE(page);
        main->selectPage(page);
        expectOwnAndReached(main->page(page), menuLetters, [this](QDialog& dialog) {
            expectOwnAndReached(&dialog, {});
            dialog.reject();
        });
    }
    EXPECT_EQ(user.dialogsRun(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Mnemonics, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) {
                             return info.param == Language::English ? "English" : "Japanese";
                         });

}  // namespace
