// Every text of every form is shown whole, in Japanese and in the longer English: each label,
// button, group box and drop-down list gets at least the size its text (a list: its longest item)
// asks for (one line unless the label wraps on purpose), and no parent cuts it off. The suite runs
// once more at twice the scale.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "app/AboutDialog.h"
#include "app/PrinterSelectDialog.h"
#include "pages/FormatSettingsDialog.h"
#include "platform/Translations.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/ElidedLabel.h"

namespace {

std::string Describe(const QWidget* w) {
    return (w->objectName() + QStringLiteral(" \"") + testing_support::CaptionOf(w) + QStringLiteral("\""))
        .toStdString();
}

void ExpectTextsFit(QWidget* form) {
    SCOPED_TRACE(form->objectName().toStdString());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        // Elided labels shorten on purpose; arrow and toolbar buttons carry no text.
        const bool text = (qobject_cast<QLabel*>(w) && !qobject_cast<ElidedLabel*>(w)) ||
                          (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QToolButton*>(w)) ||
                          qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w);
        if (!text || !w->isVisibleTo(form))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            EXPECT_GE(w->height(), label->heightForWidth(w->width())) << Describe(w);
        } else {
            EXPECT_GE(w->width(), w->sizeHint().width()) << Describe(w);
            EXPECT_GE(w->height(), w->sizeHint().height()) << Describe(w);
        }
        // No parent up to the form shows less than the whole control.
        for (QWidget* inner = w; inner != form; inner = inner->parentWidget()) {
            const QRect shown = QRect(w->mapTo(inner->parentWidget(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(inner->parentWidget()->rect().contains(shown))
                << Describe(w) << " cut by " << inner->parentWidget()->objectName().toStdString();
        }
    }
}

using platform::Language;

class FormsFit : public MainWindowTest, public ::testing::WithParamInterface<Language> {
protected:
    const platform::Translations translations{GetParam()};
};

TEST_P(FormsFit, MainWindowWithEachPage) {
    StartMainWindow();
    QTabBar* tabs = main->tabs()->tabBar();
    EXPECT_GE(tabs->width(), tabs->sizeHint().width());
    for (int page = 0; page < 7; ++page) {
        main->selectPage(page);
        SCOPED_TRACE(page);
        ExpectTextsFit(main.get());
    }
}

TEST_P(FormsFit, FormatSettingsDialogWithAndWithoutMargins) {
    for (int format : {0, 1}) {
        settings::FormatBlocks blocks;
        settings::FormatValues values;
        FormatSettingsDialog dialog(format, blocks, values);
        testing_support::ShowAndActivate(&dialog);
        ExpectTextsFit(&dialog);
    }
}

TEST_P(FormsFit, PrinterSelectionAndAbout) {
    PrinterSelectDialog printers;
    testing_support::ShowAndActivate(&printers);
    ExpectTextsFit(&printers);
    AboutDialog about;
    testing_support::ShowAndActivate(&about);
    ExpectTextsFit(&about);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FormsFit, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) {
                             return info.param == Language::English ? "English" : "Japanese";
                         });

}  // namespace
