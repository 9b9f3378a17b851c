// With the English translation installed nothing the window shows is Japanese: every page, the
// dialogs, menus, toolbar, status bar, tooltips, list items, the screen reader's names and every
// message of ui/Messages.h.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/AboutDialog.h"
#include "app/PrinterSelectDialog.h"
#include "help/HelpWindow.h"
#include "pages/FormatSettingsDialog.h"
#include "platform/Translations.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/ElidedLabel.h"
#include "ui/Messages.h"

namespace {

// Kana, kanji, Japanese punctuation and the full-width forms.
bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

void AddActions(const QList<QAction*>& actions, QStringList& texts) {
    for (const QAction* a : actions) {
        texts << a->text() << a->toolTip() << a->statusTip();
        if (a->menu())
            AddActions(a->menu()->actions(), texts);
    }
}

// Every text a widget and its children show or give a screen reader.
QStringList TextsOf(const QWidget* root) {
    QStringList texts;
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis() << w->accessibleName()
              << w->accessibleDescription();
        AddActions(w->actions(), texts);
        if (auto* label = qobject_cast<const ElidedLabel*>(w))
            texts << label->fullText();
        texts << testing_support::CaptionOf(w);
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
        if (auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
        }
    }
    return texts;
}

void ExpectNoJapanese(const QStringList& texts, const char* where) {
    int checked = 0;
    for (const QString& text : texts) {
        EXPECT_FALSE(HasJapanese(text)) << where << ": \"" << text.toStdString() << "\"";
        checked += !text.isEmpty();
    }
    EXPECT_GT(checked, 0) << where;
}

class EnglishTexts : public MainWindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(m_english.found()) << "bmk540_en.qm not found"; }

    platform::Translations m_english{platform::Language::English};
};

TEST_F(EnglishTexts, MainWindowWithEveryPageMenuToolbarAndStatusBar) {
    StartMainWindow();
    // The menu bar's drop-downs are built as they open; each page's own texts with it shown.
    for (int page = 0; page < 7; ++page) {
        main->selectPage(page);
        ExpectNoJapanese(TextsOf(main.get()), "main window");
    }
}

TEST_F(EnglishTexts, DialogsAndHelpWindow) {
    for (int format = 0; format < 4; ++format) {
        settings::FormatBlocks blocks;
        settings::FormatValues values;
        FormatSettingsDialog dialog(format, blocks, values);
        ExpectNoJapanese(TextsOf(&dialog), "format settings");
    }
    PrinterSelectDialog printers;
    ExpectNoJapanese(TextsOf(&printers), "printer selection");
    AboutDialog about;
    ExpectNoJapanese(TextsOf(&about), "about");
    HelpWindow help;
    ExpectNoJapanese(TextsOf(&help), "help window");
}

TEST_F(EnglishTexts, EveryMessage) {
    const QString x = QStringLiteral("x");
    QStringList texts{msg::WindowTitle(),
                      msg::FileMenu(),
                      msg::PageMenu(),
                      msg::HelpMenu(),
                      msg::LoadItem(),
                      msg::SaveItem(),
                      msg::SendItem(),
                      msg::FactoryItem(),
                      msg::PrinterItem(),
                      msg::ExitItem(),
                      msg::HelpContentsItem(),
                      msg::AboutItem(),
                      msg::LoadTip(),
                      msg::SaveTip(),
                      msg::SendTip(),
                      msg::FactoryTip(),
                      msg::PrinterTip(),
                      msg::DiscardChanges(),
                      msg::NotASettingsFile(),
                      msg::SaveAccessDenied(),
                      msg::SaveFailed(),
                      msg::SettingsFileFilter(),
                      msg::NoPrinterSelected(),
                      msg::FilePortRefused(),
                      msg::PrinterNotAvailable(),
                      msg::Sent(),
                      msg::NoUsablePrinter(),
                      msg::AllPrintersOnFile(),
                      msg::OnlyPrinterOnFile(),
                      msg::ChooseOtherThanFile(),
                      msg::UnsavedSettings(),
                      msg::SendBeforeSwitch(),
                      msg::SaveBeforeSwitch(),
                      msg::FactoryQuestion(),
                      msg::FactoryShown(),
                      msg::SendBeforeExit(),
                      msg::SaveBeforeExit(),
                      msg::HelpNotFound(),
                      msg::HelpWindowTitle(),
                      msg::HelpContentsTab(),
                      msg::HelpIndexTab(),
                      msg::HelpIndexPrompt(),
                      msg::HelpShowTopic(),
                      msg::HelpBack(),
                      msg::HelpForward(),
                      msg::HelpHome(),
                      msg::HelpPageMissingTitle(),
                      msg::HelpPageMissing(x),
                      msg::EnterInteger(),
                      msg::EnterIntegerInRange(2, 5),
                      msg::HeadCentringOutOfRange(),
                      msg::HeadCentringCaption(),
                      msg::LeftMarginCaption(),
                      msg::LeftMarginNotBelowRight(),
                      msg::RightMarginCaption(),
                      msg::RightMarginNotAboveLeft(),
                      msg::InchUnit(),
                      msg::PositionUnit(),
                      msg::StatusPrinter(x),
                      msg::StatusPort(x),
                      msg::StatusLastReceived(x),
                      msg::StepUp(),
                      msg::StepDown(),
                      msg::NumericEditDescription(1, 2, x),
                      msg::IntakeStops(false),
                      msg::IntakeStops(true)};
    for (int format = 0; format < 4; ++format) {
        const QString name = FormatSettingsDialog::formatName(format);
        texts << name << msg::FormatSettingsButton(name) << msg::FormatDialogTitle(name);
    }
    for (int path = 0; path < 5; ++path) {
        texts << msg::IntakeRowLabel(path) << msg::IntakePathName(path)
              << msg::IntakePositionCaption(msg::IntakePathName(path))
              << msg::IntakePositionTooLow(msg::IntakePathName(path));
    }
    ExpectNoJapanese(texts, "messages");
}

}  // namespace
