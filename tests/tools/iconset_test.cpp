// The icon files come from the window icon's drawing: every size drawn edge to edge on a
// transparent ground, and the SVG showing the same picture as the largest PNG.
#include "iconset.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString name = QStringLiteral("org.example.Test");

struct IconSetTest : ::testing::Test
{
    QTemporaryDir dir;
    QString theme() const { return dir.filePath(QStringLiteral("hicolor")); }
};

// Mean difference per channel, 0 to 255.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green())
                   + std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

TEST_F(IconSetTest, EachPngIsItsSizeWithRoundedTransparentCornersAndAPaintedFace)
{
    const QList<int> sizes = {48, 128, 256};
    ASSERT_EQ(tools::writeIconSet(theme(), name, sizes), QString());
    for (const int size : sizes) {
        const QImage png(tools::pixelIconPath(theme(), name, size));
        ASSERT_FALSE(png.isNull()) << size;
        EXPECT_EQ(png.size(), QSize(size, size));
        EXPECT_EQ(png.pixelColor(0, 0).alpha(), 0) << size;
        EXPECT_EQ(png.pixelColor(size - 1, size - 1).alpha(), 0) << size;
        EXPECT_EQ(png.pixelColor(size / 2, size / 2).alpha(), 255) << size;
        EXPECT_EQ(png.pixelColor(size / 2, 1).alpha(), 255) << size; // drawn to the edge
    }
}

TEST_F(IconSetTest, TheSvgShowsTheSamePictureAsTheLargestPng)
{
    ASSERT_EQ(tools::writeIconSet(theme(), name, {256}), QString());
    QSvgRenderer svg(tools::scalableIconPath(theme(), name));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter, QRectF(0, 0, 256, 256));
    painter.end();
    const QImage png = QImage(tools::pixelIconPath(theme(), name, 256))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_LT(difference(drawn, png), 2.0);
}

TEST_F(IconSetTest, AFolderThatCannotBeMadeIsReportedNotSkipped)
{
    QFile blocker(theme());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the theme folder should be
    blocker.close();
    EXPECT_NE(tools::writeIconSet(theme(), name, {48}), QString());
}

} // namespace
