// Parameter setting 2 page: its form, the LF pitch corrections in image order, the return time,
// the intake time's correction while typing and its range check when the page is stored.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <string>

#include "pages/NumericEdit.h"
#include "pages/Param2Page.h"
#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

const QStringList kCorrections{"-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5"};
// The lists in the page's order.
const char* const kPitchLists[] = {"sheetGuide", "sheetFeeder", "frontTractor", "rearTractor"};

class Param2PageTest : public ::testing::Test {
protected:
    Param2PageTest() {
        load(settings::FactoryImage());
        window.dataChecks = 0;
    }
    void load(const settings::SettingsImage& image) { window.loadQuietly(image); }
    QComboBox* list(const char* name) { return Child<QComboBox>(page, name); }
    // The lists' texts in the page's order.
    QString pitches() {
        QStringList texts;
        for (const char* name : kPitchLists)
            texts << list(name)->currentText();
        return texts.join(QLatin1Char(' '));
    }
    settings::SettingsImage stored() {
        settings::SettingsImage image = settings::FactoryImage();
        page->store(image);
        return image;
    }

    const QString kRangeMessage = QStringLiteral("2 から 5 までの整数を入力してください。");
    ScriptedUser user;
    Param2Page* page = new Param2Page;  // owned by the window
    PageWindow window{page};
    NumericEdit* intake = Child<NumericEdit>(page, "intakeTime");
};

TEST_F(Param2PageTest, FormKeepsTheListsArrangementTabOrderAndMnemonics) {
    for (const char* name : kPitchLists) {
        QStringList items;
        for (int i = 0; i < list(name)->count(); ++i)
            items << list(name)->itemText(i);
        EXPECT_EQ(items, kCorrections) << name;
        EXPECT_EQ(list(name)->parentWidget(), Child<QGroupBox>(page, "pitchBox")) << name;
    }
    QComboBox* returnTime = list("returnTime");
    ASSERT_EQ(returnTime->count(), 3);
    EXPECT_EQ(returnTime->itemText(0) + returnTime->itemText(1) + returnTime->itemText(2),
              QStringLiteral("自動戻り無し８秒１５秒"));
    EXPECT_FALSE(Child<QLabel>(page, "pageName")->isVisible());

    // The two long labels stand each above its control, which is indented.
    window.resize(window.sizeHint());
    for (const char* name : {"returnTime", "intakeTime"}) {
        QWidget* label = Child<QWidget>(page, (std::string(name) + "Label").c_str());
        QWidget* control = Child<QWidget>(page, name);
        EXPECT_GT(control->mapTo(page, QPoint(0, 0)).y(), label->mapTo(page, QPoint(0, label->height())).y());
        EXPECT_GT(control->mapTo(page, QPoint(0, 0)).x(), label->mapTo(page, QPoint(0, 0)).x());
    }

    const QStringList kTabOrder{"sheetGuide",  "sheetFeeder", "frontTractor",
                                "rearTractor", "returnTime",  "intakeTime"};
    FocusControl(list("sheetGuide"));
    ExpectTabRound(kTabOrder);
    const std::pair<Qt::Key, const char*> kMnemonics[] = {
        {Qt::Key_G, "sheetGuide"},  {Qt::Key_S, "sheetFeeder"}, {Qt::Key_F, "frontTractor"},
        {Qt::Key_R, "rearTractor"}, {Qt::Key_P, "returnTime"},  {Qt::Key_J, "intakeTime"},
    };
    for (const auto& [key, name] : kMnemonics) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
    EXPECT_EQ(window.dataChecks, 0);
}

TEST_F(Param2PageTest, FactoryImageLoadsAndStoresBackUnchanged) {
    EXPECT_EQ(list("returnTime")->currentText(), QStringLiteral("８秒"));
    EXPECT_EQ(intake->text(), QStringLiteral("2"));
    EXPECT_EQ(pitches(), QStringLiteral("0 0 0 0"));
    settings::SettingsImage image = settings::FactoryImage();
    for (std::size_t offset : {165, 166, 168, 173, 174, 176, 177, 179, 180, 182, 183})
        image[offset] = 'x';
    page->store(image);
    EXPECT_EQ(image, settings::FactoryImage());
}

TEST_F(Param2PageTest, CorrectionsLoadFromTheirPitchPairsInImageOrder) {
    const std::pair<const char*, const char*> frontTractor[] = {{"FB", "-5"}, {"03", "+3"}, {"00", "0"}};
    for (const auto& [pair, shown] : frontTractor) {
        load(With({{173, pair}}));
        EXPECT_EQ(list("frontTractor")->currentText(), QString::fromLatin1(shown)) << pair;
        EXPECT_EQ(FieldText(stored(), 173, 2), pair);
    }
    // Image order (front, rear, sheet guide, sheet feeder) differs from the order on the page.
    load(With({{173, "02"}, {176, "FD"}, {179, "FF"}, {182, "05"}}));
    EXPECT_EQ(pitches(), QStringLiteral("-1 +5 +2 -3"));
    EXPECT_EQ(FieldText(stored(), 173, 11), "02,FD,FF,05");

    // A pair of no known kind, or a text the list does not hold, leaves the previous choice,
    // which the store writes.
    load(With({{173, "07"}, {176, "X1"}, {179, "F@"}, {182, "  "}}));
    EXPECT_EQ(pitches(), QStringLiteral("-1 +5 +2 -3"));
    EXPECT_EQ(FieldText(stored(), 173, 11), "02,FD,FF,05");
}

TEST_F(Param2PageTest, ChosenCorrectionsAndReturnTimesAreWritten) {
    ChooseComboItem(list("frontTractor"), kCorrections.indexOf("-1"));
    EXPECT_EQ(FieldText(window.current, 173, 2), "FF");
    ChooseComboItem(list("frontTractor"), kCorrections.indexOf("+5"));
    ChooseComboItem(list("rearTractor"), kCorrections.indexOf("-5"));
    ChooseComboItem(list("sheetGuide"), kCorrections.indexOf("+1"));
    ChooseComboItem(list("sheetFeeder"), kCorrections.indexOf("-4"));
    EXPECT_EQ(FieldText(window.current, 173, 11), "05,FB,01,FC");
    ChooseComboItem(list("returnTime"), 2);
    EXPECT_EQ(FieldText(window.current, 165, 2), "15");
    ChooseComboItem(list("returnTime"), 0);
    EXPECT_EQ(FieldText(window.current, 165, 2), "00");
    EXPECT_EQ(window.dataChecks, 20);  // one for each step of a choice

    // A return time outside the list keeps the previous choice.
    load(With({{165, "15"}}));
    load(With({{165, "10"}}));
    EXPECT_EQ(list("returnTime")->currentText(), QStringLiteral("１５秒"));
    EXPECT_EQ(FieldText(stored(), 165, 2), "15");
}

TEST_F(Param2PageTest, TypedIntakeTimesAreCorrectedIntoRangeAtOnce) {
    const std::pair<const char*, const char*> typed[] = {{"7", "5"}, {"0", "2"}, {"4", "4"}, {"", "2"}};
    for (const auto& [keys, shown] : typed) {
        TypeReplacing(intake, QString::fromLatin1(keys));
        EXPECT_EQ(intake->text(), QString::fromLatin1(shown)) << keys;
        EXPECT_EQ(FieldText(window.current, 168, 1), shown) << keys;
    }
    QTest::keyClicks(intake, QStringLiteral("3"));  // a second digit makes a value above 5
    EXPECT_EQ(intake->text(), QStringLiteral("5"));

    // Pasted and long texts come to rest in range too.
    QApplication::clipboard()->setText(QStringLiteral("0003"));
    intake->selectAll();
    QTest::keyClick(intake, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(intake->text(), QStringLiteral("3"));
    intake->setText(QStringLiteral("123456789012"));
    EXPECT_EQ(intake->text(), QStringLiteral("5"));

    // The arrows step within 2..5.
    QTest::keyClick(intake, Qt::Key_Up);
    EXPECT_EQ(intake->text(), QStringLiteral("5"));
    QTest::keyClick(intake, Qt::Key_Down);
    EXPECT_EQ(FieldText(window.current, 168, 1), "4");
}

TEST_F(Param2PageTest, LongLoadedIntakeTimesShowWithoutEndlessRewriting) {
    FocusControl(list("sheetGuide"));
    load(With({{168, "\xFF"}}));
    EXPECT_EQ(intake->text(), QStringLiteral("207"));
    load(With({{168, std::string(1, '\0')}}));
    EXPECT_EQ(intake->text(), QStringLiteral("-48"));
    // The range check fails, and the byte goes back as it came.
    user.expectWarning(kRangeMessage, QCoreApplication::applicationName());
    EXPECT_EQ(stored()[168], 0x00);
}

TEST_F(Param2PageTest, LoadedIntakeTimeOutOfRangeStopsTheReadingOncePerChange) {
    FocusControl(list("sheetGuide"));
    load(With({{165, "15"}, {168, "9"}, {179, "FE"}}));
    EXPECT_EQ(intake->text(), QStringLiteral("9"));  // shown as loaded while another control has the focus
    EXPECT_EQ(list("sheetGuide")->currentText(), QStringLiteral("-2"));
    window.dataChecks = 0;

    // The user picks another correction: one check, one message, and the focus goes to the edit.
    user.answerBox(QMessageBox::Ok, [this](const ShownBox& box) {
        EXPECT_EQ(box.text, kRangeMessage);
        EXPECT_EQ(box.caption, QCoreApplication::applicationName());
        EXPECT_EQ(box.icon, QMessageBox::Warning);
    });
    ChooseComboItem(list("sheetGuide"), kCorrections.indexOf("-1"));
    EXPECT_EQ(user.boxes().size(), 1u);
    EXPECT_EQ(window.dataChecks, 1);
    EXPECT_EQ(QApplication::focusWidget(), intake);
    EXPECT_EQ(intake->selectedText(), QStringLiteral("9"));
    // Written as loaded; the reading stopped there, so the return time and the corrections are
    // written from their previous values although the list shows the new choice.
    EXPECT_EQ(FieldText(window.current, 165, 4), "15,9");
    EXPECT_EQ(FieldText(window.current, 179, 2), "FE");

    // Moving the focus changes nothing and asks nothing; a typed value in range ends it.
    FocusControl(list("sheetFeeder"));
    FocusControl(intake);
    intake->selectAll();
    QTest::keyClicks(intake, QStringLiteral("4"));
    EXPECT_EQ(user.boxes().size(), 1u);
    EXPECT_EQ(FieldText(window.current, 165, 4), "15,4");
    EXPECT_EQ(FieldText(window.current, 179, 2), "FF");
}

}  // namespace
