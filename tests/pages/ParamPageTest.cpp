// Parameter setting 1 page: its form, the head-centring edits' correction while typing, the
// pending corrections and their fix, and loading and storing its fields of the settings image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "pages/NumericEdit.h"
#include "pages/ParamPage.h"
#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

class ParamPageTest : public ::testing::Test {
protected:
    ParamPageTest() {
        load(settings::FactoryImage());
        window.dataChecks = 0;
    }
    void load(const settings::SettingsImage& image) { window.loadQuietly(image); }
    template <class T = QWidget>
    T* control(const char* name) {
        return Child<T>(page, name);
    }
    QString list(const char* name) { return control<QComboBox>(name)->currentText(); }
    bool checked(const char* name) { return control<QRadioButton>(name)->isChecked(); }

    ScriptedUser user;
    ParamPage* page = new ParamPage;  // owned by the window
    PageWindow window{page};
    NumericEdit* cutSheet = control<NumericEdit>("cutSheet");
    NumericEdit* frontTractor = control<NumericEdit>("frontTractor");
    NumericEdit* rearTractor = control<NumericEdit>("rearTractor");
};

TEST_F(ParamPageTest, FormKeepsTheListsGroupsTabOrderAndMnemonics) {
    const QStringList fonts{"標準", "イタリック", "クーリエ", "ゴシック", "OCR-B"};
    const QStringList kanji{"JIS1978年版", "JIS1983年版", "JIS1990年版"};
    for (const auto& [name, items] : {std::pair{"font1", fonts}, {"font2", fonts}, {"kanjiTable", kanji}}) {
        QStringList shown;
        for (int i = 0; i < control<QComboBox>(name)->count(); ++i)
            shown << control<QComboBox>(name)->itemText(i);
        EXPECT_EQ(shown, items) << name;
    }
    // The two radio pairs are separate groups, each in its own box.
    EXPECT_NE(control<QRadioButton>("paperLeft")->group(), control<QRadioButton>("postcardOn")->group());
    EXPECT_EQ(control("paperLeft")->parentWidget(), control("paperSetBox"));
    EXPECT_EQ(control("postcardOn")->parentWidget(), control("postcardBox"));
    EXPECT_FALSE(control("pageName")->isVisible());

    const QStringList kTabOrder{"cutSheet", "frontTractor", "rearTractor", "kanjiTable",
                                "font1",    "font2",        "paperCentre", "postcardOff"};
    FocusControl(cutSheet);
    ExpectTabRound(kTabOrder);
    // A label's mnemonic focuses its control; a radio button's chooses it.
    const std::pair<Qt::Key, const char*> kMnemonics[] = {
        {Qt::Key_C, "cutSheet"},   {Qt::Key_T, "frontTractor"}, {Qt::Key_R, "rearTractor"},
        {Qt::Key_K, "kanjiTable"}, {Qt::Key_1, "font1"},        {Qt::Key_2, "font2"},
        {Qt::Key_L, "paperLeft"},  {Qt::Key_Y, "postcardOn"},
    };
    for (const auto& [key, name] : kMnemonics) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
    QTRY_VERIFY(checked("paperLeft") && checked("postcardOn"));
    EXPECT_EQ(window.dataChecks, 2);
}

TEST_F(ParamPageTest, LoadsShowTheBytesAndStoresWriteOnlyThePagesBytes) {
    EXPECT_EQ(list("font1"), QStringLiteral("標準"));
    EXPECT_EQ(list("kanjiTable"), QStringLiteral("JIS1978年版"));
    EXPECT_TRUE(checked("postcardOff") && checked("paperCentre"));
    EXPECT_EQ(cutSheet->text() + frontTractor->text() + rearTractor->text(), QStringLiteral("406868"));
    settings::SettingsImage image = settings::FactoryImage();
    for (std::size_t offset : {16, 18, 20, 22, 24, 26, 27, 29, 30, 32, 33})
        image[offset] = 'x';
    page->store(image);
    EXPECT_EQ(image, settings::FactoryImage());

    // Codes outside their lists keep the previous choice, which the store writes back.
    load(With({{16, "4"}, {18, "3"}, {20, "2"}, {22, "1"}, {24, "1"}}));
    load(With({{16, "7"}, {18, "/"}, {20, "3"}, {22, "2"}, {24, "L"}}));
    EXPECT_EQ(list("font1"), QStringLiteral("OCR-B"));
    EXPECT_EQ(list("font2"), QStringLiteral("ゴシック"));
    EXPECT_EQ(list("kanjiTable"), QStringLiteral("JIS1990年版"));
    EXPECT_TRUE(checked("postcardOn") && !checked("postcardOff") && checked("paperLeft"));
    page->store(image);
    EXPECT_EQ(FieldText(image, 16, 9), "4,3,2,1,1");

    // Bytes that are no digits show as read, with no endless rewriting.
    FocusControl(control("font1"));
    load(With({{26, std::string("\0\0", 2)}, {29, "\xFF\xFF"}}));
    EXPECT_EQ(cutSheet->text(), QStringLiteral("-528"));
    EXPECT_EQ(frontTractor->text(), QStringLiteral("2277"));
    EXPECT_FALSE(page->hasPendingCorrection());
}

TEST_F(ParamPageTest, LoadedPositionsAreCorrectedOnlyInTheEditTheUserIsIn) {
    const settings::SettingsImage image = With({{26, "05"}, {29, "99"}, {32, "07"}});
    FocusControl(control("font1"));
    load(image);
    EXPECT_EQ(cutSheet->text() + frontTractor->text() + rearTractor->text(), QStringLiteral("5997"));
    EXPECT_FALSE(page->hasPendingCorrection());
    settings::SettingsImage stored = settings::FactoryImage();
    page->store(stored);
    EXPECT_EQ(FieldText(stored, 26, 8), "05,99,07");

    // The same values arriving in the edit that has the focus are judged as typed.
    const std::pair<NumericEdit*, const char*> cases[] = {
        {cutSheet, "5"}, {frontTractor, "68"}, {rearTractor, "10"}};
    for (const auto& [edit, shown] : cases) {
        load(settings::FactoryImage());
        FocusControl(edit);
        load(image);
        EXPECT_EQ(edit->text(), QString::fromLatin1(shown));
        EXPECT_EQ(page->cutSheetPending(), edit == cutSheet);
    }
}

TEST_F(ParamPageTest, TypedPositionsAreFlaggedOrCorrectedAtOnce) {
    std::vector<std::pair<QString, bool>> seen;  // text and flag as each data check sees them
    window.onDataCheck = [&] { seen.emplace_back(cutSheet->text(), page->cutSheetPending()); };
    TypeReplacing(cutSheet, QStringLiteral("5"));
    EXPECT_TRUE(page->hasPendingCorrection());
    EXPECT_EQ(FieldText(window.current, 26, 2), "05");
    QTest::keyClicks(cutSheet, QStringLiteral("0"));
    EXPECT_FALSE(page->hasPendingCorrection());
    EXPECT_EQ(FieldText(window.current, 26, 2), "50");
    // A replacement's own run checks first, then the run of the typed text.
    TypeReplacing(cutSheet, QStringLiteral("7"));
    const std::vector<std::pair<QString, bool>> expected{
        {"5", true}, {"50", false}, {"10", false}, {"10", false}};
    EXPECT_EQ(seen, expected);

    // One impossible digit becomes the nearest limit, so 70 and up cannot be typed digit by digit.
    const std::pair<const char*, const char*> typed[] = {
        {"8", "10"}, {"9", "10"}, {"0", "10"}, {"72", "68"}, {"", "10"}};
    for (const auto& [keys, shown] : typed) {
        TypeReplacing(frontTractor, QString::fromLatin1(keys));
        EXPECT_EQ(frontTractor->text(), QString::fromLatin1(shown)) << keys;
        EXPECT_FALSE(page->frontTractorPending()) << keys;
    }
    QTest::keyClick(frontTractor, Qt::Key_Backspace);
    EXPECT_TRUE(page->frontTractorPending());
    QTest::keyClick(frontTractor, Qt::Key_Backspace);
    EXPECT_EQ(frontTractor->text(), QStringLiteral("10"));
    EXPECT_EQ(FieldText(window.current, 29, 2), "10");

    // The arrows step within 10..68 and check like any change.
    QTest::mouseClick(Child<QWidget>(control("frontTractorArrows"), "up"), Qt::LeftButton);
    EXPECT_EQ(FieldText(window.current, 29, 2), "11");
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(ParamPageTest, PastedAndLongTextsComeToRestInRange) {
    FocusControl(rearTractor);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    rearTractor->selectAll();
    QTest::keyClick(rearTractor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rearTractor->text(), QStringLiteral("68"));

    // Long texts are rewritten as their plain value, then judged; without the focus, only rewritten.
    const struct {
        const char* text;
        const char* focused;
        bool pending;
        const char* unfocused;
    } cases[] = {{"00045", "45", false, "45"},
                 {"0003", "3", true, "3"},
                 {"123456789012", "68", false, "123456789"},
                 {"0000000005", "10", false, "0"}};
    for (const auto& c : cases) {
        FocusControl(rearTractor);
        rearTractor->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(rearTractor->text(), QString::fromLatin1(c.focused)) << c.text;
        EXPECT_EQ(page->rearTractorPending(), c.pending) << c.text;
        FocusControl(control("kanjiTable"));
        rearTractor->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(rearTractor->text(), QString::fromLatin1(c.unfocused)) << c.text;
    }
}

TEST_F(ParamPageTest, KeysReachingTheWindowWhileAnotherIsActiveAreStillCorrected) {
    FocusControl(cutSheet);
    cutSheet->selectAll();
    QWidget other;
    ShowAndActivate(&other);
    ASSERT_NE(QApplication::activeWindow(), &window);
    QTest::keyClicks(cutSheet, QStringLiteral("102"));  // "1" is flagged, "10" fits, "102" is too far
    EXPECT_EQ(cutSheet->text(), QStringLiteral("68"));
    EXPECT_FALSE(page->hasPendingCorrection());
    EXPECT_EQ(FieldText(window.current, 26, 2), "68");
}

TEST_F(ParamPageTest, ListAndRadioChoicesSendTheDataCheck) {
    FocusControl(control("kanjiTable"));
    EXPECT_EQ(window.dataChecks, 0);  // taking the focus is no change
    ChooseComboItem(control("font2"), 4);
    ChooseComboItem(control("kanjiTable"), 1);
    EXPECT_EQ(FieldText(window.current, 18, 3), "4,1");
    window.dataChecks = 0;
    for (const char* name : {"postcardOn", "paperLeft"})
        Click(control(name));
    EXPECT_EQ(window.dataChecks, 2);
    EXPECT_EQ(FieldText(window.current, 22, 3), "1,1");
    for (const char* name : {"postcardOff", "paperCentre"})
        Click(control(name));
    EXPECT_EQ(FieldText(window.current, 22, 3), "0,0");
}

TEST_F(ParamPageTest, CorrectionFixesEveryFlaggedEditAfterOneMessage) {
    TypeReplacing(cutSheet, QStringLiteral("3"));
    TypeReplacing(rearTractor, QStringLiteral("6"));
    FocusControl(control("font1"));
    ASSERT_TRUE(page->cutSheetPending() && page->rearTractorPending());
    user.answerBox(QMessageBox::Ok, [this](const ShownBox& box) {
        EXPECT_EQ(box.owner, page);
        EXPECT_EQ(box.text, QStringLiteral("用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n"
                                           "適正値に変更します。"));
        EXPECT_EQ(box.caption, QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"));
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
        EXPECT_EQ(cutSheet->text(), QStringLiteral("3"));  // nothing is corrected before it is read
    });
    page->correctHeadCentring();
    EXPECT_EQ(user.boxes().size(), 1u);
    EXPECT_FALSE(page->hasPendingCorrection());
    EXPECT_EQ(QApplication::focusWidget(), rearTractor);
    EXPECT_EQ(FieldText(window.current, 26, 8), "10,68,10");
}

TEST_F(ParamPageTest, EditWithoutANumberStopsTheReadingButTheBytesAreWritten) {
    window.storeOnDataCheck = false;
    FocusControl(control("kanjiTable"));
    control<QComboBox>("font1")->setCurrentIndex(2);
    frontTractor->setText(QStringLiteral("20"));
    cutSheet->clear();
    control<QRadioButton>("postcardOn")->setChecked(true);
    rearTractor->setText(QStringLiteral("30"));
    control<QRadioButton>("paperLeft")->setChecked(true);

    user.expectWarning(QStringLiteral("整数を入力してください。"), QCoreApplication::applicationName());
    settings::SettingsImage image = settings::FactoryImage();
    page->store(image);
    // Read before the failure: font 1 and the front tractor; from the cut sheet on, the values
    // last loaded are written.
    EXPECT_EQ(FieldText(image, 16, 1), "2");
    EXPECT_EQ(FieldText(image, 22, 12), "0,0,40,20,68");
    EXPECT_EQ(QApplication::focusWidget(), cutSheet);

    cutSheet->setText(QStringLiteral("33"));
    page->store(image);
    EXPECT_EQ(FieldText(image, 22, 12), "1,1,33,20,30");
}

}  // namespace
