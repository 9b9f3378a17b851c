// Format settings dialog: opening on a block, the corrections while typing, the sliders, the
// checks on OK and what OK and Cancel write into the blocks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>

#include "pages/FormatSettingsDialog.h"
#include "pages/NumericEdit.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

const std::string kFactory0 = "66,120,120,120,046,054";
const std::string kFactoryN = "66,000,136,120,120,120,046,054";
const QString kLeftText =
    QStringLiteral("レフトマージン幅はライトマージン幅より小さくしてください。\n適正値に変更します。");

template <std::size_t N>
std::string Text(const std::array<std::uint8_t, N>& block) {
    return std::string(block.begin(), block.end());
}

template <std::size_t N>
void Fill(std::array<std::uint8_t, N>& block, const std::string& text) {
    ASSERT_EQ(text.size(), N);
    std::copy(text.begin(), text.end(), block.begin());
}

class FormatDialogTest : public ::testing::Test {
protected:
    FormatDialogTest() {
        Fill(blocks.format0, kFactory0);
        for (auto& block : blocks.formatN)
            Fill(block, kFactoryN);
    }
    // Shown and active, so that typing reaches it.
    void open(int format) {
        dialog = std::make_unique<FormatSettingsDialog>(format, blocks, values);
        ShowAndActivate(dialog.get());
    }
    template <class T = QWidget>
    T* control(const char* name) {
        return Child<T>(dialog.get(), name);
    }
    QString text(const char* name) { return control<NumericEdit>(name)->text(); }
    int stop(const char* path) { return control<QSlider>((std::string(path) + "Slider").c_str())->value(); }
    void paste(const char* name, const QString& text) {
        QApplication::clipboard()->setText(text);
        FocusControl(control(name));
        control<NumericEdit>(name)->selectAll();
        QTest::keyClick(control(name), Qt::Key_V, Qt::ControlModifier);
    }
    void expectLowBox(const char* path) {
        const QString name = QString::fromUtf8(path);
        user.expectWarning(
            name + QStringLiteral("の吸入位置の値が下限を超えています。\n設定値を変更します。"),
            name + QStringLiteral("吸入位置"));
    }

    ScriptedUser user;
    settings::FormatBlocks blocks;
    settings::FormatValues values;
    std::unique_ptr<FormatSettingsDialog> dialog;
};

TEST_F(FormatDialogTest, OpensOnTheBlockOfItsFormat) {
    Fill(blocks.formatN[1], "12,007,099,12:,060,046,054,055");
    const struct {
        int format;
        const char* title;
        std::vector<const char*> texts;  // length, left, right, front, rear, guide, feeder, postcard
        std::vector<int> stops;
    } kCases[] = {
        {0, "書式の設定： 書式０", {"66", "0", "136", "120", "120", "120", "46", "54"}, {2, 2, 2, 0, 0}},
        // A colon in the units place counts as ten; 54 is nearer to 60 than to 46; postcards stop at 54.
        {2, "書式の設定： 書式２", {"12", "7", "99", "130", "60", "46", "54", "55"}, {2, 1, 0, 1, 0}},
    };
    const char* const kEdits[] = {"paperLength", "leftMargin", "rightMargin", "front",
                                  "rear",        "guide",      "feeder",      "postcard"};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.format);
        open(c.format);
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(text(kEdits[i]), QString::fromLatin1(c.texts[i])) << kEdits[i];
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(stop(kEdits[3 + i]), c.stops[static_cast<std::size_t>(i)]) << kEdits[3 + i];
        for (const char* name : {"leftMarginLabel", "leftMargin", "leftMarginArrows", "leftMarginUnit",
                                 "rightMarginLabel", "rightMargin", "rightMarginArrows", "rightMarginUnit"})
            EXPECT_EQ(control(name)->isEnabled(), c.format != 0) << name;
        EXPECT_FALSE(dialog->rightMarginPending());
    }
    EXPECT_EQ(control<QSlider>("frontSlider")->maximum(), 2);
}

TEST_F(FormatDialogTest, ArrowsStepTheirEditWithinItsRange) {
    open(1);
    const struct {
        const char* edit;
        int minimum, maximum;
    } kRanges[] = {{"front", 40, 132},
                   {"postcard", 40, 132},
                   {"paperLength", 1, 99},
                   {"leftMargin", 0, 135},
                   {"rightMargin", 1, 136}};
    for (const auto& r : kRanges) {
        auto* arrows = control<SpinArrows>((std::string(r.edit) + "Arrows").c_str());
        auto* edit = control<NumericEdit>(r.edit);
        edit->setText(QString::number(r.maximum));
        Click(Child<QToolButton>(arrows, "up"));
        EXPECT_EQ(edit->text(), QString::number(r.maximum)) << r.edit;
        edit->setText(QString::number(r.minimum));
        Click(Child<QToolButton>(arrows, "down"));
        Click(Child<QToolButton>(arrows, "up"));
        EXPECT_EQ(edit->text(), QString::number(r.minimum + 1)) << r.edit;
    }
}

TEST_F(FormatDialogTest, TypingIsCorrectedOnlyWhereItCannotGrowValid) {
    open(1);
    // How the text comes (Typed, Pasted, or Set by the program with the focus elsewhere), the edit's
    // text then and the slider's stop (-1: none). A tie between stops keeps the lower; a lone 4 may
    // still become 40..49 on the four paths, but no postcard position starts so.
    const struct {
        char how;
        const char *edit, *input, *shown;
        int stop;
    } kSteps[] = {{'T', "front", "2", "40", 0},
                  {'T', "front", "1", "1", 0},
                  {'T', "front", "133", "132", 2},
                  {'T', "front", "55", "55", 1},
                  {'T', "front", "53", "53", 0},
                  {'T', "front", "90", "90", 1},
                  {'T', "front", "4", "4", 0},
                  {'T', "feeder", "4", "4", 0},
                  {'T', "postcard", "4", "40", 0},
                  {'T', "rear", "", "40", 0},
                  {'T', "guide", "", "40", 0},
                  {'T', "postcard", "", "40", 0},
                  {'T', "paperLength", "", "1", -1},
                  {'T', "paperLength", "100", "99", -1},
                  {'T', "rightMargin", "", "1", -1},
                  {'P', "front", "123456789012345678901234567890", "132", 2},
                  {'P', "postcard", "0000000000000055", "55", 0},
                  {'P', "rear", "00007", "40", 0},
                  {'P', "paperLength", "99999999999", "99", -1},
                  {'P', "paperLength", "0000", "1", -1},
                  {'P', "rightMargin", "4294967295000", "136", -1},
                  {'P', "leftMargin", "000000000000000000012", "12", -1},
                  {'S', "guide", "0000045", "45", 0},
                  {'S', "guide", "0000200", "200", 2},
                  {'S', "guide", "12345678", "12345678", -1}};
    for (const auto& s : kSteps) {
        const QString input = QString::fromLatin1(s.input);
        if (s.how == 'T') {
            TypeReplacing(control(s.edit), input);
        } else if (s.how == 'P') {
            paste(s.edit, input);
        } else {
            FocusControl(control("ok"));
            control<NumericEdit>(s.edit)->setText(input);
        }
        EXPECT_EQ(text(s.edit), QString::fromLatin1(s.shown)) << s.edit << " " << s.input;
        if (s.stop >= 0) {
            EXPECT_EQ(stop(s.edit), s.stop) << s.edit << " " << s.input;
        }
    }
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(FormatDialogTest, OnlyTheSliderTheUserMovesSetsItsEdit) {
    open(0);
    auto* feeder = control<QSlider>("feederSlider");
    FocusControl(feeder);
    const std::pair<Qt::Key, const char*> kKeys[] = {
        {Qt::Key_End, "120"}, {Qt::Key_Home, "46"}, {Qt::Key_Right, "60"}};
    for (const auto& [key, shown] : kKeys) {
        QTest::keyClick(feeder, key);
        EXPECT_EQ(text("feeder"), QString::fromLatin1(shown));
    }
    // A click gives the slider the focus first, then steps it towards the click.
    auto* postcard = control<QSlider>("postcardSlider");
    // On the groove, which the tick marks below keep in the upper half.
    QTest::mouseClick(postcard, Qt::LeftButton, {},
                      QPoint(postcard->width() * 3 / 4, postcard->height() / 4));
    EXPECT_EQ(text("postcard"), QStringLiteral("60"));
    QTest::keyClick(postcard, Qt::Key_Home);
    EXPECT_EQ(text("postcard"), QStringLiteral("54"));
    // The edit moves its slider without the slider writing back, even while the slider has the focus.
    control<NumericEdit>("postcard")->setText(QStringLiteral("90"));
    Click(Child<QToolButton>(control("postcardArrows"), "up"));
    EXPECT_EQ(text("postcard"), QStringLiteral("91"));
    EXPECT_EQ(postcard->value(), 2);
    // A move while another control has the focus is dropped.
    FocusControl(control("paperLength"));
    control<QSlider>("frontSlider")->setValue(0);
    EXPECT_EQ(text("front"), QStringLiteral("120"));
}

TEST_F(FormatDialogTest, RightMarginNotAboveLeftIsReportedAtOK) {
    open(1);
    TypeReplacing(control("leftMargin"), QStringLiteral("10"));
    TypeReplacing(control("rightMargin"), QStringLiteral("5"));
    EXPECT_TRUE(dialog->rightMarginPending());
    EXPECT_TRUE(user.boxes().empty());

    user.expectWarning(
        QStringLiteral("ライトマージン幅はレフトマージン幅より大きくしてください。\n適正値に変更します。"),
        QStringLiteral("ライトマージン幅"));
    Click(control("ok"));
    EXPECT_EQ(text("rightMargin"), QStringLiteral("11"));
    EXPECT_EQ(QApplication::focusWidget(), control("rightMargin"));
    EXPECT_FALSE(dialog->rightMarginPending());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Text(blocks.formatN[0]), kFactoryN);

    // Typing on to a larger value clears it before OK.
    TypeReplacing(control("rightMargin"), QStringLiteral("1"));
    EXPECT_TRUE(dialog->rightMarginPending());
    QTest::keyClicks(control("rightMargin"), QStringLiteral("2"));
    EXPECT_FALSE(dialog->rightMarginPending());
    Click(control("ok"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Text(blocks.formatN[0]), "66,010,012,120,120,120,046,054");
}

TEST_F(FormatDialogTest, LeftMarginNotBelowRightIsReplacedAtOnce) {
    open(1);
    TypeReplacing(control("rightMargin"), QStringLiteral("80"));
    // Typed, shown then, and whether the message came.
    const struct {
        const char* typed;
        const char* shown;
        bool told;
    } kSteps[] = {{"80", "79", true}, {"95", "79", true}, {"7", "7", false}};
    for (const auto& s : kSteps) {
        if (s.told)
            user.expectWarning(kLeftText, QStringLiteral("レフトマージン幅"));
        TypeReplacing(control("leftMargin"), QString::fromLatin1(s.typed));
        EXPECT_EQ(text("leftMargin"), QString::fromLatin1(s.shown)) << s.typed;
    }
    // With no right margin above 0 (a stray block) the left margin rests at 0: a message that
    // changes nothing would only come back.
    control<NumericEdit>("rightMargin")->setText(QStringLiteral("0"));
    user.expectWarning(kLeftText, QStringLiteral("レフトマージン幅"));
    TypeReplacing(control("leftMargin"), QStringLiteral("7"));
    EXPECT_EQ(text("leftMargin"), QStringLiteral("0"));
    TypeReplacing(control("leftMargin"), QStringLiteral("0"));
    // A huge number pasted is no smaller either: said once, then the proper value.
    control<NumericEdit>("rightMargin")->setText(QStringLiteral("136"));
    user.expectWarning(kLeftText, QStringLiteral("レフトマージン幅"));
    paste("leftMargin", QStringLiteral("4294967295000"));
    EXPECT_EQ(text("leftMargin"), QStringLiteral("135"));
    EXPECT_EQ(user.boxes().size(), 4u);
}

TEST_F(FormatDialogTest, LowPositionsAreFixedOnePerOKFrontMostFirst) {
    open(0);
    TypeReplacing(control("feeder"), QStringLiteral("5"));
    TypeReplacing(control("rear"), QStringLiteral("4"));
    expectLowBox("リアトラクタ");
    // Enter presses the default button and leaves the focus where it is.
    QTest::keyClick(control("rear"), Qt::Key_Return);
    EXPECT_EQ(text("rear"), QStringLiteral("40"));
    EXPECT_EQ(text("feeder"), QStringLiteral("5"));
    EXPECT_EQ(QApplication::focusWidget(), control("rear"));

    expectLowBox("シートフィーダ");
    Click(control("ok"));
    EXPECT_EQ(text("feeder"), QStringLiteral("40"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Text(blocks.format0), kFactory0);

    Click(control("ok"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Text(blocks.format0), "66,120,040,120,040,054");
}

TEST_F(FormatDialogTest, ValuesThatTypingCannotFixFailTheChecksAtOK) {
    open(0);
    // Set by the program, the edits have no focus and nothing corrects them.
    const std::pair<const char*, const char*> kCases[] = {
        {"guide", "40 から 132 までの整数を入力してください。"},
        {"paperLength", "1 から 99 までの整数を入力してください。"}};
    control<NumericEdit>("guide")->setText(QStringLiteral("150"));
    control<NumericEdit>("paperLength")->setText(QStringLiteral("0"));
    EXPECT_EQ(text("guide"), QStringLiteral("150"));
    for (const auto& [edit, message] : kCases) {
        user.expectWarning(QString::fromUtf8(message), QCoreApplication::applicationName());
        Click(control("ok"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), control(edit));
        EXPECT_EQ(control<NumericEdit>(edit)->selectedText(), text(edit));
        control<NumericEdit>("guide")->setText(QStringLiteral("60"));
    }
    EXPECT_EQ(Text(blocks.format0), kFactory0);
}

TEST_F(FormatDialogTest, OKWritesTheNamedBlockOnlyAndCancelWritesNothing) {
    open(1);
    const std::pair<const char*, const char*> kTyped[] = {
        {"paperLength", "72"}, {"leftMargin", "5"}, {"rightMargin", "130"}, {"front", "46"},
        {"rear", "60"},        {"guide", "120"},    {"feeder", "46"},       {"postcard", "54"}};
    for (const auto& [edit, typed] : kTyped)
        TypeReplacing(control(edit), QString::fromLatin1(typed));
    Click(control("ok"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Text(blocks.formatN[0]), "72,005,130,046,060,120,046,054");
    EXPECT_EQ(Text(blocks.format0), kFactory0);
    EXPECT_EQ(Text(blocks.formatN[1]), kFactoryN);
    EXPECT_EQ(Text(blocks.formatN[2]), kFactoryN);

    // Cancel and Escape write nothing.
    for (bool escape : {false, true}) {
        open(0);
        TypeReplacing(control("paperLength"), QStringLiteral("12"));
        FocusControl(control("frontSlider"));
        QTest::keyClick(control("frontSlider"), Qt::Key_Home);
        if (escape)
            QTest::keyClick(control("frontSlider"), Qt::Key_Escape);
        else
            Click(control("cancel"));
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(Text(blocks.format0), kFactory0);
    }

    // A format that names no block opens on the last values and writes nothing.
    open(-1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("書式の設定： "));
    EXPECT_EQ(text("paperLength"), QStringLiteral("66"));
    EXPECT_TRUE(control("leftMargin")->isEnabled());
    Click(control("ok"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Text(blocks.format0), kFactory0);
    EXPECT_EQ(Text(blocks.formatN[0]), "72,005,130,046,060,120,046,054");
}

TEST_F(FormatDialogTest, KeysReachTheirControlsInTheOldOrder) {
    open(1);
    const QStringList kTabOrder{"frontSlider",    "front",    "rearSlider",   "rear",
                                "guideSlider",    "guide",    "feederSlider", "feeder",
                                "postcardSlider", "postcard", "paperLength",  "leftMargin",
                                "rightMargin",    "ok",       "cancel"};
    EXPECT_EQ(QApplication::focusWidget(), control("frontSlider"));
    ExpectTabRound(kTabOrder);
    const std::pair<Qt::Key, const char*> kMnemonics[] = {
        {Qt::Key_F, "frontSlider"},  {Qt::Key_B, "rearSlider"},     {Qt::Key_G, "guideSlider"},
        {Qt::Key_S, "feederSlider"}, {Qt::Key_P, "postcardSlider"}, {Qt::Key_N, "paperLength"},
        {Qt::Key_L, "leftMargin"},   {Qt::Key_R, "rightMargin"}};
    for (const auto& [key, name] : kMnemonics) {
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control(name)) << name;
    }
    // Without margins, their keys go nowhere.
    open(0);
    FocusControl(control("paperLength"));
    QTest::keyClick(dialog.get(), Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("paperLength"));
}

}  // namespace
