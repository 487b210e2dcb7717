// The picture dialog: its preview follows every option, at the rectangle's own pixels.
#include "memory/display/picturedialog.h"

#include <QCheckBox>
#include <QComboBox>
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

} // namespace
