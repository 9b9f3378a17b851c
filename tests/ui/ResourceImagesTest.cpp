// The icon and bitmaps compiled into the program: sizes, palette and the pictures the menu shares with the
// toolbar.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <ostream>

#include "res/Images.h"

namespace {

const QRgb kButtonFace = qRgb(192, 192, 192);

// The 16 colours of the standard Windows palette.
const QSet<QRgb> kPalette = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                             qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                             qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                             qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

// Opaque colours of an image; fully transparent pixels are left out.
QSet<QRgb> ColoursOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 255)
                colours.insert(argb.pixel(x, y) | 0xFF000000u);
    return colours;
}

void ExpectStandardColours(const QImage& image, const char* what) {
    const QSet<QRgb> colours = ColoursOf(image);
    EXPECT_LE(colours.size(), 16) << what;
    for (QRgb c : colours)
        EXPECT_TRUE(kPalette.contains(c)) << what << " uses #" << std::hex << (c & 0xFFFFFF);
}

struct BitmapCase {
    int id;
    int width;
    int height;
};

void PrintTo(const BitmapCase& c, std::ostream* os) {
    *os << "bitmap " << c.id;
}

class BitmapResource : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapResource, HasItsSizeAndOnlyStandardColoursOnTheButtonFace) {
    const BitmapCase c = GetParam();
    const QPixmap pixmap = res::LoadBitmapResource(c.id);
    ASSERT_FALSE(pixmap.isNull()) << c.id;
    EXPECT_EQ(pixmap.size(), QSize(c.width, c.height)) << c.id;
    const QImage image = pixmap.toImage();
    // Bitmaps are opaque; the button-face grey is what the toolbar, menu and tabs treat as transparent.
    EXPECT_FALSE(image.hasAlphaChannel()) << c.id;
    ExpectStandardColours(image, qPrintable(QString::number(c.id)));

    // Every 16x16 picture of a strip stands on the button face and actually draws something.
    for (int left = 0; left + 16 <= c.width; left += 16) {
        const QSet<QRgb> colours = ColoursOf(image.copy(left, 0, 16, 16));
        EXPECT_TRUE(colours.contains(kButtonFace)) << c.id << " picture at " << left;
        EXPECT_GE(colours.size(), 3) << c.id << " picture at " << left;
    }
}

INSTANTIATE_TEST_SUITE_P(AllBitmaps, BitmapResource,
                         ::testing::Values(BitmapCase{res::IDB_TOOLBAR, 80, 16}, BitmapCase{160, 16, 16},
                                           BitmapCase{161, 16, 16}, BitmapCase{162, 16, 16},
                                           BitmapCase{163, 16, 16}, BitmapCase{164, 16, 16},
                                           BitmapCase{165, 16, 16}, BitmapCase{166, 16, 16},
                                           BitmapCase{167, 16, 16}, BitmapCase{res::IDB_TABS, 64, 16}),
                         [](const auto& info) { return "Bitmap" + std::to_string(info.param.id); });

TEST(ResourceImages, MenuPicturesOfTheFileCommandsAreTheToolbarPictures) {
    const QImage strip =
        res::LoadBitmapResource(res::IDB_TOOLBAR).toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < 5; ++k) {
        const QImage menu = res::LoadBitmapResource(160 + k).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(menu, strip.copy(16 * k, 0, 16, 16)) << "bitmap " << 160 + k;
    }
}

TEST(ResourceImages, PicturesAreDistinct) {
    QList<QImage> pictures;
    for (int id = 160; id <= 167; ++id)
        pictures.append(res::LoadBitmapResource(id).toImage().convertToFormat(QImage::Format_RGB32));
    const QImage tabs =
        res::LoadBitmapResource(res::IDB_TABS).toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < 4; ++k)
        pictures.append(tabs.copy(16 * k, 0, 16, 16));
    // The tab strip reuses the gear (167) and the chip (166); everything else differs.
    EXPECT_EQ(pictures[8], pictures[7]);
    EXPECT_EQ(pictures[9], pictures[6]);
    pictures.removeAt(9);
    pictures.removeAt(8);
    for (int i = 0; i < pictures.size(); ++i)
        for (int j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j]) << i << " and " << j;
}

TEST(ResourceImages, ApplicationIconHasBothSizes) {
    const QIcon icon = res::LoadIconResource(res::IDI_APP);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    for (int side : {16, 32}) {
        const QImage image = icon.pixmap(side, side).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        ExpectStandardColours(image, "icon");
        // The icon lies on whatever is behind it, so its corners are transparent.
        EXPECT_EQ(qAlpha(image.convertToFormat(QImage::Format_ARGB32).pixel(side - 1, 0)), 0) << side;
    }
}

TEST(ResourceImages, UnknownIdsGiveNullImages) {
    for (int id : {0, -1, 149, 151, 159, 169, res::IDI_APP})
        EXPECT_TRUE(res::LoadBitmapResource(id).isNull()) << id;
    EXPECT_TRUE(res::LoadIconResource(res::IDB_TOOLBAR).isNull());
    EXPECT_TRUE(res::LoadIconResource(0).isNull());
}

}  // namespace
