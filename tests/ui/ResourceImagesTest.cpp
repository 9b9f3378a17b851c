// The compiled-in images: sizes the program relies on, 16 colours at most.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "res/Images.h"

namespace {

int ColourCount(const QPixmap& pixmap) {
    QImage image = pixmap.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

TEST(ResourceImages, BitmapsHaveTheirSizesAndSixteenColoursAtMost) {
    const struct {
        int id;
        QSize size;
    } bitmaps[] = {{150, {80, 16}}, {160, {16, 16}}, {161, {16, 16}}, {162, {16, 16}}, {163, {16, 16}},
                   {164, {16, 16}}, {165, {16, 16}}, {166, {16, 16}}, {167, {16, 16}}, {168, {64, 16}}};
    for (const auto& b : bitmaps) {
        QPixmap pixmap = res::LoadBitmapResource(b.id);
        ASSERT_FALSE(pixmap.isNull()) << b.id;
        EXPECT_EQ(pixmap.size(), b.size) << b.id;
        EXPECT_LE(ColourCount(pixmap), 16) << b.id;
    }
    // The toolbar strip holds the same pictures as the first five menu images.
    QImage strip = res::LoadBitmapResource(150).toImage();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(strip.copy(16 * k, 0, 16, 16), res::LoadBitmapResource(160 + k).toImage()) << k;
    }
    EXPECT_TRUE(res::LoadBitmapResource(999).isNull());
}

TEST(ResourceImages, ApplicationIconComesInTwoSizes) {
    QIcon icon = res::LoadIconResource(128);
    ASSERT_FALSE(icon.isNull());
    QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(res::LoadIconResource(5).isNull());
}

}  // namespace
