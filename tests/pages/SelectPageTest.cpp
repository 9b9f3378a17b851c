// Function select page: its lists and groups, loading and storing its bytes (the format blocks
// carried unread), the data check on the user's choices, its keys and the format dialog it runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "pages/NumericEdit.h"
#include "pages/SelectPage.h"
#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

std::set<std::size_t> Differences(const settings::SettingsImage& a, const settings::SettingsImage& b) {
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < settings::kImageSize; ++i) {
        if (a[i] != b[i])
            offsets.insert(i);
    }
    return offsets;
}

class SelectPageTest : public ::testing::Test {
protected:
    // As at start-up: loaded, then the window names the format on the button.
    SelectPageTest() {
        page->load(settings::FactoryImage());
        page->refreshFormatButton();
    }
    template <class T = QWidget>
    T* control(const char* name) {
        return Child<T>(page, name);
    }
    QString list(const char* name) { return control<QComboBox>(name)->currentText(); }
    bool checked(const char* name) { return control<QRadioButton>(name)->isChecked(); }
    QString buttonText() { return control<QPushButton>("formatSettings")->text(); }

    ScriptedUser user;
    SelectPage* page = new SelectPage;  // owned by the window
    PageWindow window{page};
};

TEST_F(SelectPageTest, ListsOfferTheWordsAndTheFactoryImageIsShown) {
    const QStringList kReductions{"縮小なし", "２／３縮小（左基準）", "２／３縮小（中央基準）",
                                  "４／５縮小（左基準）", "４／５縮小（中央基準）"};
    for (const auto& [name, words] :
         {std::pair{"reduction", kReductions},
          std::pair{"format", QStringList{"書式０", "書式１", "書式２", "書式３"}}}) {
        for (int i = 0; i < words.size(); ++i)
            EXPECT_EQ(control<QComboBox>(name)->itemText(i), words[i]);
        EXPECT_EQ(control<QComboBox>(name)->count(), words.size());
    }
    EXPECT_EQ(list("reduction"), QStringLiteral("縮小なし"));
    EXPECT_EQ(list("format"), QStringLiteral("書式０"));
    EXPECT_TRUE(checked("mincho") && !checked("gothic") && checked("hopper1") && !checked("hopper2"));
    EXPECT_EQ(buttonText(), QStringLiteral("書式０の設定(&D)"));
    // Before any load and refresh: nothing chosen, the button's own text.
    SelectPage fresh;
    EXPECT_EQ(Child<QComboBox>(&fresh, "format")->currentIndex(), -1);
    EXPECT_EQ(Child<QPushButton>(&fresh, "formatSettings")->text(), QStringLiteral("書式の設定(&D)..."));
}

TEST_F(SelectPageTest, LoadThenStoreWritesBackOwnBytesOnly) {
    // Blocks are carried as they come, digits or not; the dialog was never opened.
    const auto image = With({{58, "2"},
                             {60, "1"},
                             {62, "5"},
                             {70, "2"},
                             {35, "7:,0x0,999,-12,abc,,,,"},
                             {103, "01,135,136,040,132,1 2,AAA,000"}});
    page->load(image);
    settings::SettingsImage target;
    for (std::size_t i = 0; i < settings::kImageSize; ++i)
        target[i] = 0xAA;
    page->store(target);
    for (std::size_t i = 0; i < settings::kImageSize; ++i) {
        const bool owned = i == 58 || i == 60 || i == 62 || i == 70 || (i >= 35 && i < 57) ||
                           (i >= 72 && i < 164 && (i - 72) % 31 != 30);
        EXPECT_EQ(target[i], owned ? image[i] : 0xAA) << i;
    }
    // Every valid code of each field comes back as loaded.
    for (const char* reduction : {"0", "1", "3", "5", "7"}) {
        for (const char* format : {"0", "1", "2", "3"}) {
            const auto loaded = With({{62, reduction},
                                      {70, format},
                                      {58, format[0] == '1' ? "2" : "1"},
                                      {60, format[0] == '2' ? "0" : "1"}});
            page->load(loaded);
            settings::SettingsImage stored = loaded;
            page->store(stored);
            EXPECT_TRUE(Differences(stored, loaded).empty()) << reduction << format;
        }
    }
    EXPECT_EQ(window.dataChecks, 0);
}

TEST_F(SelectPageTest, UnknownCodesKeepWhatIsShown) {
    // A valid code, then one that names nothing: the byte stored, and the list's text or the
    // button checked then ("" for none).
    const struct {
        std::size_t offset;
        const char *valid, *unknown, *stored, *list, *shown;
    } kCases[] = {{62, "7", "4", "7", "reduction", "４／５縮小（中央基準）"},
                  {70, "3", "4", "3", "format", "書式３"},
                  {58, "2", "9", "2", nullptr, "hopper2"},
                  {60, "1", "5", "5", nullptr, ""}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.offset);
        page->load(With({{c.offset, c.valid}}));
        settings::SettingsImage image = With({{c.offset, c.unknown}});
        page->load(image);
        page->store(image);
        EXPECT_EQ(FieldText(image, c.offset), c.stored);
        using Pair = std::array<const char*, 2>;
        if (c.list) {
            EXPECT_EQ(list(c.list), QString::fromUtf8(c.shown));
        } else {
            for (const char* name : c.offset == 58 ? Pair{"hopper1", "hopper2"} : Pair{"mincho", "gothic"})
                EXPECT_EQ(checked(name), c.shown == std::string(name)) << name;
        }
    }
    // Once the user picks a typeface, that is what goes out.
    Click(control("gothic"));
    EXPECT_EQ(FieldText(window.current, 60), "1");
}

TEST_F(SelectPageTest, EveryChoiceRaisesTheDataCheckAtOnce) {
    for (const auto& [name, code] :
         {std::pair{"gothic", "1"}, {"hopper2", "2"}, {"mincho", "0"}, {"hopper1", "1"}}) {
        Click(control(name));
        EXPECT_EQ(FieldText(window.current, name[0] == 'h' ? 58 : 60), code) << name;
    }
    EXPECT_EQ(window.dataChecks, 4);
    ChooseComboItem(control("reduction"), 4);
    EXPECT_EQ(FieldText(window.current, 62), "7");
    EXPECT_EQ(window.dataChecks, 8);  // one for each step down the list
    // Moving about raises none.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window.dataChecks, 8);

    // The button names the format only after the data check has stored it.
    std::vector<QString> buttonAtCheck;
    window.onDataCheck = [&] { buttonAtCheck.push_back(buttonText()); };
    ChooseComboItem(control("format"), 3);
    EXPECT_EQ(FieldText(window.current, 70), "3");
    EXPECT_EQ(buttonText(), QStringLiteral("書式３の設定(&D)"));
    EXPECT_EQ(buttonAtCheck,
              (std::vector<QString>{"書式０の設定(&D)", "書式１の設定(&D)", "書式２の設定(&D)"}));
}

TEST_F(SelectPageTest, KeysReachTheirControlsInTheOldOrder) {
    const QStringList kTabOrder{"mincho", "hopper1", "reduction", "format", "formatSettings"};
    FocusControl(control("mincho"));
    ExpectTabRound(kTabOrder);
    // The group box's key reaches its list from anywhere, its button too; the buttons' keys click
    // them a moment later, as Qt animates it.
    const std::pair<Qt::Key, const char*> kKeys[] = {
        {Qt::Key_S, "format"}, {Qt::Key_G, "gothic"}, {Qt::Key_P, "reduction"}, {Qt::Key_Y, "hopper2"},
        {Qt::Key_S, "format"}, {Qt::Key_R, "mincho"}, {Qt::Key_N, "hopper1"},   {Qt::Key_S, "format"}};
    for (const auto& [key, name] : kKeys) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control(name)) << name;
        if (qobject_cast<QRadioButton*>(control(name)))
            QTRY_VERIFY(checked(name));
    }
    EXPECT_EQ(FieldText(window.current, 58) + FieldText(window.current, 60), "10");
    FocusControl(control("formatSettings"));
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("format"));
    user.driveDialog([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(user.dialogsRun(), 1);
}

TEST_F(SelectPageTest, TheDialogEditsTheSelectedFormatAndOnlyOKWritesIt) {
    const auto image = With({{103, "20,010,120,060,046,120,046,054"}});
    page->load(image);
    ChooseComboItem(control("format"), 2);
    const int checks = window.dataChecks;
    user.driveDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("書式の設定： 書式２"));
        for (const auto& [name, text] :
             {std::pair{"paperLength", "20"}, {"leftMargin", "10"}, {"front", "60"}})
            EXPECT_EQ(Child<NumericEdit>(&d, name)->text(), QString::fromLatin1(text)) << name;
        TypeReplacing(Child<QWidget>(&d, "rightMargin"), QStringLiteral("99"));
        EXPECT_EQ(window.dataChecks, checks);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Click(control("formatSettings"));
    EXPECT_EQ(window.dataChecks, checks + 1);
    EXPECT_EQ(FieldText(window.current, 103, 30), "20,010,099,060,046,120,046,054");
    EXPECT_EQ(Differences(window.current, image), (std::set<std::size_t>{70, 110, 111, 112}));

    // Cancel and Escape write nothing and raise no data check.
    const settings::SettingsImage before = window.current;
    for (bool escape : {false, true}) {
        user.driveDialog([&](QDialog& d) {
            TypeReplacing(Child<QWidget>(&d, "paperLength"), QStringLiteral("10"));
            if (escape)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                Click(Child<QWidget>(&d, "cancel"));
        });
        Click(control("formatSettings"));
    }
    EXPECT_EQ(user.dialogsRun(), 3);
    EXPECT_EQ(window.dataChecks, checks + 1);
    settings::SettingsImage stored = before;
    page->store(stored);
    EXPECT_EQ(stored, before);
}

}  // namespace
