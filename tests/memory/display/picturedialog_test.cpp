// The picture dialog: its preview follows every option, at the rectangle's own pixels; and text
// written through it.
#include "memory/display/picturedialog.h"
#include "memory/display/textdialog.h"
#include "memory/display/textwriter.h"
#include "memory/memoryfixture.h"
#include "protocol/hexbytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QPainter>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

TEST(PictureDialog, ThePreviewFollowsEveryOption)
{
    // Left half black, right half mid grey, 16 x 8 onto a rectangle of 8 x 8.
    protocol::GreyImage picture{16, 8, std::vector<std::uint8_t>(16 * 8)};
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x)
            picture.pixels[static_cast<std::size_t>(y * 16 + x)] = 150;
    memory::PictureDialog dialog(picture, 8, 8, nullptr);
    const auto litPixels = [&] {
        const auto &lit = dialog.preview().lit;
        return std::count(lit.begin(), lit.end(), 1);
    };
    ASSERT_EQ(dialog.preview().width, 8);
    ASSERT_EQ(dialog.preview().height, 8);

    const struct
    {
        const char *step;
        std::function<void()> act;
        long lit;
    } steps[] = {
            {"fit: the black half of a band of 4 rows", [] {}, 16},
            {"stretch: the black half of the whole",
             [&] { dialog.findChild<QComboBox *>("picturePlacement")->setCurrentIndex(1); }, 32},
            {"a threshold above the grey",
             [&] { dialog.findChild<QSpinBox *>("pictureThreshold")->setValue(200); }, 64},
            {"inverted", [&] { dialog.findChild<QCheckBox *>("pictureInvert")->setChecked(true); },
             0},
            {"dithered and inverted: the light part of the grey lit, the threshold not read",
             [&] { dialog.findChild<QComboBox *>("pictureShading")->setCurrentIndex(1); },
             32 * 150 / 255},
    };
    for (const auto &step : steps) {
        step.act();
        EXPECT_NEAR(litPixels(), step.lit, 2) << step.step;
    }
    EXPECT_FALSE(dialog.findChild<QSpinBox *>("pictureThreshold")->isEnabled());
    EXPECT_EQ(dialog.options().shading, protocol::Shading::FloydSteinberg);
    EXPECT_TRUE(dialog.options().invert);
}

using WriteText = MemoryPagesTest;

// Two pages of 48 columns across the display's two halves: what goes into `txtlcd` is the text
// as Qt draws it there, black below the half-way grey, pixel for pixel.
TEST_F(WriteText, TheBytesAreTheTextAsDrawnInTheRectangle)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    tabs.findChild<memory::TextWriter *>()->setTextAsker(
            [&](QWidget *owner, int width, int height) {
                memory::TextDialog dialog(width, height, owner);
                dialog.findChild<QPlainTextEdit *>("textLines")->setPlainText("Hi 8\nwq");
                dialog.findChild<QFontComboBox *>("textFont")->setCurrentFont(font);
                dialog.findChild<QSpinBox *>("textSize")->setValue(13);
                dialog.findChild<QCheckBox *>("textBold")->setChecked(true);
                return std::optional(dialog.preview());
            });
    setBox("txtlcdx1", "40");
    setBox("txtlcdx2", "87");
    setBox("txtlcdy1", "2");
    setBox("txtlcdy2", "3");
    click("cmdlcdtext");

    QImage drawn(48, 16, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.drawText(drawn.rect(), Qt::AlignCenter, QStringLiteral("Hi 8\nwq"));
    painter.end();
    const auto bytes = protocol::bytesOfHexPairs(memo("txtlcd").toStdString());
    ASSERT_TRUE(bytes.has_value());
    ASSERT_EQ(bytes->size(), 96U);
    int lit = 0;
    for (int x = 0; x < 48; ++x) {
        for (int y = 0; y < 16; ++y) {
            const bool set = ((*bytes)[static_cast<std::size_t>(x * 2 + y / 8)] >> (y % 8)) & 1;
            EXPECT_EQ(set, qGray(drawn.pixel(x, y)) < 128) << x << "," << y;
            lit += set ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 60); // the text is there, not a blank rectangle
    const QStringList corners{box("txtlcdx1"), box("txtlcdx2"), box("txtlcdy1"), box("txtlcdy2")};
    EXPECT_EQ(corners, (QStringList{"040", "087", "02", "03"}));
    EXPECT_TRUE(enabled("cmdlcdfmt"));
}

} // namespace
