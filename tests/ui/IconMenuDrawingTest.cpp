// Single drop-down items drawn into an image with fixed colours; the pixels the drawing rules fix.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "tests/ui/IconMenuTestMetrics.h"
#include "ui/DisabledImage.h"
#include "ui/IconMenu.h"
#include "ui/IconMenuPainter.h"
#include "ui/MenuBitmap.h"

using namespace testing_support;

namespace {

constexpr QRgb kCanvas = qRgb(1, 2, 3);  // whatever the drop-down showed before the item
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 160, 0);

// 16 x 15, transparent but for a red top-left pixel and a green one at (5, 7).
QImage TestCell() {
    QImage cell(16, 15, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    cell.setPixel(0, 0, kRed);
    cell.setPixel(5, 7, kGreen);
    return cell;
}

MenuItemRecord Item(const QString& text, bool withImage) {
    MenuItemRecord record;
    record.text = text;
    record.flags = MF_OWNERDRAW;
    record.id = 1;
    if (withImage) {
        record.imageId = 160;
        record.imageIndex = 0;
        record.imageList = std::make_unique<QImage>(TestCell());
    }
    return record;
}

class IconMenuDrawingTest : public ::testing::Test {
protected:
    MenuSystemMetrics m = FixedMenuMetrics();
    ScopedMenuMetrics scoped{m};
    IconMenu menu;
    // The item's rectangle inside a larger canvas.
    int left = 10, top = 4, right = 170, bottom = 29;

    QImage Draw(const MenuItemRecord& record, UINT state) {
        QImage canvas(right + 10, bottom + 10, QImage::Format_RGB32);
        canvas.fill(kCanvas);
        QPainter painter(&canvas);
        DRAWITEMSTRUCT request;
        request.itemState = state;
        request.hDC = &painter;
        request.rcItem = QRect(left, top, right - left, bottom - top);
        request.itemData = reinterpret_cast<uintptr_t>(&record);
        menu.DrawItem(&request);
        return canvas;
    }
    int G() const { return std::max(0, (bottom - top - 15 - 4) / 2); }

    // Pixels of a colour inside the item rectangle.
    static std::vector<QPoint> PixelsOf(const QImage& image, QRgb colour, const QRect& area) {
        std::vector<QPoint> points;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == colour)
                    points.push_back({x, y});
        return points;
    }
    QRect ItemArea() const { return QRect(left, top, right - left, bottom - top); }
};

TEST_F(IconMenuDrawingTest, SelectedItemWithImageIsHighlightedFromTheTextOnAndRaised) {
    const QImage image = Draw(Item(QStringLiteral("Load"), true), ODS_SELECTED);
    const int g = G();
    ASSERT_EQ(g, 3);
    for (int y = top; y < bottom; ++y) {
        EXPECT_EQ(image.pixel(left + 21, y), m.highlight.rgb()) << y;
        EXPECT_EQ(image.pixel(right - 1, y), m.highlight.rgb()) << y;
        EXPECT_NE(image.pixel(left + 20, y), m.highlight.rgb()) << y;
    }
    EXPECT_EQ(image.pixel(left + 21, bottom), kCanvas);
    // The raised cell frame: highlight top and left, shadow bottom and right.
    EXPECT_EQ(image.pixel(left, top + g), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(left + 10, top + g), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(left, top + g + 10), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(left + 19, top + g), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(left + 19, top + g + 10), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(left + 10, top + g + 18), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(left + 20, top + g), kCanvas);  // the cell is iw + 4 wide
    // The image, transparent over the cleared cell.
    EXPECT_EQ(image.pixel(left + 2, top + g + 2), kRed);
    EXPECT_EQ(image.pixel(left + 7, top + g + 9), kGreen);
    EXPECT_EQ(image.pixel(left + 3, top + g + 2), m.menu.rgb());
    EXPECT_EQ(image.pixel(left + 1, top + g + 1), m.menu.rgb());
    // The label in the highlight text colour.
    EXPECT_FALSE(PixelsOf(image, m.highlightText.rgb(), ItemArea()).empty());
}

TEST_F(IconMenuDrawingTest, ImageCellSitsVerticallyCentredAndNeverAbove) {
    for (const auto& [height, g] : std::vector<std::pair<int, int>>{{19, 0}, {18, 0}, {24, 2}, {29, 5}}) {
        bottom = top + height;
        const QImage image = Draw(Item(QStringLiteral("Load"), true), 0);
        EXPECT_EQ(G(), g);
        EXPECT_EQ(image.pixel(left + 2, top + g + 2), kRed) << height;
        EXPECT_EQ(image.pixel(left + 7, top + g + 9), kGreen) << height;
    }
}

TEST_F(IconMenuDrawingTest, UnselectedItemIsFilledWithTheMenuColourAndHasAnInvisibleFrame) {
    const QImage image = Draw(Item(QStringLiteral("Load"), true), 0);
    const int g = G();
    EXPECT_EQ(image.pixel(left, top), m.menu.rgb());
    EXPECT_EQ(image.pixel(right - 1, bottom - 1), m.menu.rgb());
    EXPECT_EQ(image.pixel(left, top + g), m.menu.rgb());
    EXPECT_EQ(image.pixel(left + 19, top + g + 18), m.menu.rgb());
    EXPECT_EQ(image.pixel(left + 2, top + g + 2), kRed);
    EXPECT_TRUE(PixelsOf(image, m.highlight.rgb(), ItemArea()).empty());
    EXPECT_FALSE(PixelsOf(image, m.menuText.rgb(), ItemArea()).empty());
}

TEST_F(IconMenuDrawingTest, SelectedItemWithoutImageOrCheckIsHighlightedWhole) {
    const QImage image = Draw(Item(QStringLiteral("About"), false), ODS_SELECTED);
    EXPECT_EQ(image.pixel(left, top), m.highlight.rgb());
    EXPECT_EQ(image.pixel(left + 20, bottom - 1), m.highlight.rgb());
    EXPECT_TRUE(PixelsOf(image, m.btnShadow.rgb(), ItemArea()).empty());

    // A checked one keeps its check box outside the highlight.
    const QImage checked = Draw(Item(QStringLiteral("About"), false), ODS_SELECTED | ODS_CHECKED);
    EXPECT_NE(checked.pixel(left + 20, bottom - 1), m.highlight.rgb());
    EXPECT_EQ(checked.pixel(left + 21, bottom - 1), m.highlight.rgb());
}

TEST_F(IconMenuDrawingTest, CheckedItemWithImageIsSunkenOnTheLightColour) {
    const QImage flat = Draw(Item(QStringLiteral("Load"), true), ODS_CHECKED);
    const int g = G();
    EXPECT_EQ(flat.pixel(left, top + g), m.btnShadow.rgb());
    EXPECT_EQ(flat.pixel(left + 19, top + g + 18), m.btnHighlight.rgb());
    EXPECT_EQ(flat.pixel(left + 1, top + g + 1), m.light3d.rgb());
    EXPECT_EQ(flat.pixel(left + 3, top + g + 2), m.light3d.rgb());
    EXPECT_EQ(flat.pixel(left + 2, top + g + 2), kRed);

    const QImage selected = Draw(Item(QStringLiteral("Load"), true), ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(selected.pixel(left, top + g), m.btnShadow.rgb());
    EXPECT_EQ(selected.pixel(left + 19, top + g + 18), m.btnHighlight.rgb());
    EXPECT_EQ(selected.pixel(left + 3, top + g + 2), m.menu.rgb());
}

TEST_F(IconMenuDrawingTest, CheckedItemWithoutImageShowsTheCheckGlyphInASunkenBox) {
    const QImage image = Draw(Item(QStringLiteral("Option"), false), ODS_CHECKED);
    const int g = G();
    const int boxLeft = left + 1, boxTop = top + g + 2;
    EXPECT_EQ(image.pixel(boxLeft, boxTop), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(boxLeft + 15, boxTop + 14), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(boxLeft + 1, boxTop + 1), m.light3d.rgb());
    const int columnTops[] = {2, 3, 4, 3, 2, 1, 0};
    const int x = boxLeft + 4, y = boxTop + 4;
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(image.pixel(x + k, y + columnTops[k] - 1), m.light3d.rgb()) << k;
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(image.pixel(x + k, y + columnTops[k] + row), m.menuText.rgb()) << k << "," << row;
        EXPECT_EQ(image.pixel(x + k, y + columnTops[k] + 3), m.light3d.rgb()) << k;
    }
    EXPECT_EQ(image.pixel(x + 7, y + 2), m.light3d.rgb());

    // Selected, the box takes the menu colour.
    const QImage selected = Draw(Item(QStringLiteral("Option"), false), ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(selected.pixel(boxLeft + 1, boxTop + 1), m.menu.rgb());
    EXPECT_EQ(selected.pixel(x, y + 2), m.menuText.rgb());
}

TEST_F(IconMenuDrawingTest, GrayedLabelHasAHighlightCopyOnePixelRightAndDown) {
    const QImage image = Draw(Item(QStringLiteral("Save\tCtrl+S"), false), ODS_GRAYED);
    const auto gray = PixelsOf(image, m.grayText.rgb(), ItemArea());
    const auto light = PixelsOf(image, m.btnHighlight.rgb(), ItemArea().adjusted(0, 0, 1, 1));
    ASSERT_FALSE(gray.empty());
    ASSERT_FALSE(light.empty());
    // Every gray pixel's lower-right neighbour belongs to the copy unless the gray text covers it.
    for (const QPoint& p : gray) {
        const QRgb below = image.pixel(p + QPoint(1, 1));
        EXPECT_TRUE(below == m.btnHighlight.rgb() || below == m.grayText.rgb()) << p.x() << "," << p.y();
    }
    auto bounds = [](const std::vector<QPoint>& points) {
        QRect r(points.front(), points.front());
        for (const QPoint& p : points)
            r = r.united(QRect(p, p));
        return r;
    };
    EXPECT_EQ(bounds(light), bounds(gray).translated(1, 1));
    EXPECT_TRUE(PixelsOf(image, m.menuText.rgb(), ItemArea()).empty());
}

TEST_F(IconMenuDrawingTest, GrayedSelectedLabelIsInTheMenuColourOnTheHighlight) {
    const QImage image = Draw(Item(QStringLiteral("Send\tCtrl+W"), false), ODS_GRAYED | ODS_SELECTED);
    const auto text = PixelsOf(image, m.menu.rgb(), ItemArea());
    EXPECT_FALSE(text.empty());
    for (const QPoint& p : text)
        EXPECT_GE(p.x(), left + 25);
    EXPECT_TRUE(PixelsOf(image, m.grayText.rgb(), ItemArea()).empty());
    EXPECT_TRUE(PixelsOf(image, m.btnHighlight.rgb(), ItemArea()).empty());
}

TEST_F(IconMenuDrawingTest, LabelGoesLeftAndAcceleratorRight) {
    auto textColumns = [&](const QImage& image) {
        const auto pixels = PixelsOf(image, m.menuText.rgb(), ItemArea());
        int minX = right, maxX = left;
        for (const QPoint& p : pixels) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
        }
        return std::pair{minX, maxX};
    };
    const auto [plainMin, plainMax] = textColumns(Draw(Item(QStringLiteral("About"), false), 0));
    EXPECT_GE(plainMin, left + 25);
    EXPECT_LE(plainMin, left + 27);
    EXPECT_LT(plainMax, left + 80);  // nothing on the right

    const auto [tabMin, tabMax] = textColumns(Draw(Item(QStringLiteral("About\tF1"), false), 0));
    EXPECT_EQ(tabMin, plainMin);
    EXPECT_LE(tabMax, right - 16 - 1);
    EXPECT_GE(tabMax, right - 16 - 4);
}

TEST_F(IconMenuDrawingTest, DisabledItemShowsTheEmbossedImage) {
    const QImage image = Draw(Item(QStringLiteral("Load"), true), ODS_GRAYED);
    const int x = left + 2, y = top + G() + 2;
    // The two opaque pixels become shadow, each with a highlight edge right and below.
    EXPECT_EQ(image.pixel(x, y), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(x + 1, y + 1), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(x + 5, y + 7), m.btnShadow.rgb());
    EXPECT_EQ(image.pixel(x + 6, y + 8), m.btnHighlight.rgb());
    EXPECT_EQ(image.pixel(x + 3, y + 3), m.btnFace.rgb());
    EXPECT_TRUE(PixelsOf(image, kRed, ItemArea()).empty());
    EXPECT_FALSE(PixelsOf(image, m.grayText.rgb(), ItemArea()).empty());

    // Selected too: the same picture, and the label in the menu colour.
    const QImage selected = Draw(Item(QStringLiteral("Load"), true), ODS_GRAYED | ODS_SELECTED);
    EXPECT_EQ(selected.pixel(x, y), m.btnShadow.rgb());
    EXPECT_EQ(selected.pixel(x + 1, y + 1), m.btnHighlight.rgb());
    EXPECT_EQ(selected.pixel(left + 30, top + 1), m.highlight.rgb());
}

TEST_F(IconMenuDrawingTest, SeparatorIsAnEtchedLineAcrossTheMiddle) {
    MenuItemRecord separator;
    separator.flags = MF_SEPARATOR | MF_OWNERDRAW;
    bottom = top + 10;
    const QImage image = Draw(separator, 0);
    for (int x = left; x < right; ++x) {
        EXPECT_EQ(image.pixel(x, top + 5), m.btnShadow.rgb()) << x;
        EXPECT_EQ(image.pixel(x, top + 6), m.btnHighlight.rgb()) << x;
        EXPECT_EQ(image.pixel(x, top + 4), kCanvas) << x;
    }
    EXPECT_EQ(image.pixel(right, top + 5), kCanvas);
}

TEST(DisabledImageTest, RasterOperationsLeaveShadowShapeWithHighlightEdge) {
    MenuSystemMetrics m = FixedMenuMetrics();
    m.btnFace = QColor(192, 192, 192);
    m.menu = QColor(255, 255, 255);
    const QRgb face = m.btnFace.rgb(), light = m.btnHighlight.rgb(), shadow = m.btnShadow.rgb();
    // 4 x 3: a dark pixel at (1, 1) and at (3, 2); white counts as background like the face.
    QImage source(4, 3, QImage::Format_RGB32);
    source.fill(face);
    source.setPixel(1, 1, qRgb(0, 0, 128));
    source.setPixel(3, 2, qRgb(10, 10, 10));
    source.setPixel(2, 1, light);
    const DisabledImage disabled(source, m);

    const QRgb first[3][4] = {{face, face, face, face}, {face, light, face, face}, {face, face, face, light}};
    const QRgb second[3][4] = {
        {face, face, face, face}, {face, shadow, face, face}, {face, face, light, shadow}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(disabled.FirstPass().pixel(x, y), first[y][x]) << x << "," << y;
            EXPECT_EQ(disabled.SecondPass().pixel(x, y), second[y][x]) << x << "," << y;
        }
    }
    // Drawn at (x, y): the first block one pixel right and down shows only along the far edges.
    QImage target(6, 5, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    {
        QPainter painter(&target);
        disabled.Draw(painter, 1, 1);
    }
    EXPECT_EQ(target.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(target.pixel(2, 2), shadow);
    EXPECT_EQ(target.pixel(3, 3), light);
    EXPECT_EQ(target.pixel(4, 3), shadow);
    EXPECT_EQ(target.pixel(5, 4), light);  // from the first block
    EXPECT_EQ(target.pixel(2, 4), face);
    EXPECT_EQ(target.pixel(1, 4), qRgb(1, 2, 3));
}

TEST(MenuBitmapTest, GreysBecomeSystemColoursAndTheFaceTransparent) {
    const MenuSystemMetrics m = FixedMenuMetrics();
    QImage bitmap(17, 16, QImage::Format_RGB32);
    bitmap.fill(qRgb(192, 192, 192));
    bitmap.setPixel(0, 0, qRgb(0, 0, 0));
    bitmap.setPixel(1, 0, qRgb(128, 128, 128));
    bitmap.setPixel(2, 0, qRgb(255, 255, 255));
    bitmap.setPixel(3, 0, qRgb(255, 0, 0));
    bitmap.setPixel(0, 15, qRgb(0, 0, 0));  // below the cell
    bitmap.setPixel(16, 0, qRgb(0, 0, 0));  // right of the cell

    const QImage replaced = ReplaceSystemColours(bitmap, m);
    EXPECT_EQ(replaced.pixel(0, 0), m.btnText.rgb());
    EXPECT_EQ(replaced.pixel(1, 0), m.btnShadow.rgb());
    EXPECT_EQ(replaced.pixel(2, 0), m.btnHighlight.rgb());
    EXPECT_EQ(replaced.pixel(3, 0), qRgb(255, 0, 0));
    EXPECT_EQ(replaced.pixel(5, 5), m.btnFace.rgb());

    const QImage cell = MenuCellImage(bitmap, 16, 15, m);
    ASSERT_EQ(cell.size(), QSize(16, 15));
    EXPECT_EQ(cell.pixel(0, 0), m.btnText.rgb());
    EXPECT_EQ(cell.pixel(3, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(cell.pixel(5, 5)), 0);
    EXPECT_EQ(qAlpha(cell.pixel(0, 14)), 0);
    EXPECT_TRUE(MenuCellImage(QImage(), 16, 15, m).isNull());
}

TEST(MenuSystemMetricsTest, ColoursComeFromTheMenuPalette) {
    const MenuSystemMetrics m = MenuSystemMetrics::Current();
    const QPalette p = QApplication::palette("QMenu");
    EXPECT_EQ(m.menu, p.color(QPalette::Window));
    EXPECT_EQ(m.highlight, p.color(QPalette::Highlight));
    EXPECT_EQ(m.grayText, p.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(m.btnShadow, p.color(QPalette::Dark));
    EXPECT_EQ(m.btnHighlight, p.color(QPalette::Light));
    EXPECT_GE(m.menuBarHeight, QFontMetrics(m.menuFont).height());
}

}  // namespace
