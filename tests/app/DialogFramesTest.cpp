// The dialogs' frames: a caption and a close box, nothing to minimise, maximise or resize.
#include <gtest/gtest.h>

#include <memory>

#include "app/AboutDialog.h"
#include "app/PrinterSelectDialog.h"
#include "pages/FormatSettingsDialog.h"
#include "tests/support/WidgetHelpers.h"

namespace {

TEST(DialogFrames, CaptionAndCloseBoxOnlyAtAFixedSize) {
    settings::FormatBlocks blocks;
    settings::FormatValues values;
    std::unique_ptr<QDialog> dialogs[] = {std::make_unique<FormatSettingsDialog>(0, blocks, values),
                                          std::make_unique<PrinterSelectDialog>(),
                                          std::make_unique<AboutDialog>()};
    for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        SCOPED_TRACE(dialog->metaObject()->className());
        testing_support::ShowAndActivate(dialog.get());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_TRUE(
            flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_EQ(dialog->size(), dialog->minimumSize());
    }
}

}  // namespace
