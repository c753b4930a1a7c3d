// The skins the player ships, read from the source tree with their real
// pictures: they must load without a single message and place every
// control where its picture is.
#include "skin/SkinLoader.h"

#include "ShippedFonts.h"
#include "ShippedPictures.h"
#include "base/Paths.h"
#include "support/FakeMessageBoxes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vantor {
namespace {

const std::string kSkinFolder = VANTOR_SKIN_FOLDER;
const std::string kDefaultSkin = kSkinFolder + "Default/Default.dvk";
const std::string kDefaultPlayList = kSkinFolder + "Default/PL.txt";
const std::string kShowcaseSkin = kSkinFolder + "Showcase/Showcase.dvk";

bool IsKey(gfx::Pixel pixel) {
    return pixel == gfx::kMagenta;
}

class ShippedSkinsTest : public ::testing::Test {
protected:
    void Load(const std::string& path) {
        ResetMainSkin(skin, fonts.ResolveFontName(""));
        ResetPlayListSkin(skin, fonts.ResolveFontName(""));
        ResetSkinExtras(skin);
        ASSERT_TRUE(LoadSkinFile(path, skin, settings, services, reader)) << path;
    }

    void ExpectQuiet() const {
        for (const auto& shown : messages.shown)
            ADD_FAILURE() << "message: " << shown.text;
        for (const auto& path : pictures.refused)
            ADD_FAILURE() << "picture not decoded: " << path;
    }

    // Every filled region lies on the opaque part of the face, carries a
    // tooltip, and its pressed look differs from the idle one.
    static void ExpectButtonsOnFace(const std::vector<SkinButton>& buttons,
                                    const gfx::Surface& face, const gfx::Surface& pressed) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const SkinButton& button = buttons[i];
            ASSERT_GE(button.regionCount, 0) << "button " << i << " is not placed";
            const SkinRegion& region = button.regions[0];
            EXPECT_FALSE(region.toolTip.empty()) << "button " << i;
            const int x = (region.rect.left + region.rect.right) / 2;
            const int y = (region.rect.top + region.rect.bottom) / 2;
            ASSERT_TRUE(face.Contains(region.rect.left, region.rect.top)) << "button " << i;
            ASSERT_TRUE(face.Contains(region.rect.right - 1, region.rect.bottom - 1))
                << "button " << i;
            EXPECT_FALSE(IsKey(face.GetPixel(x, y))) << "button " << i << " sits on the cut-out";
            bool differs = false;
            for (int py = region.rect.top; py < region.rect.bottom && !differs; ++py)
                for (int px = region.rect.left; px < region.rect.right && !differs; ++px)
                    differs = face.GetPixel(px, py) != pressed.GetPixel(px, py);
            EXPECT_TRUE(differs) << "button " << i << " has no pressed look";
        }
    }

    static void ExpectTargetExists(const SkinTargetList& targets, const std::string& fileName) {
        ASSERT_EQ(targets.count, 0);
        const SkinTarget& target = targets.entries[0];
        const std::string resolved =
            ResolveStoredPath(target.target, FolderOf(target.declaringFile));
        EXPECT_TRUE(FileExists(resolved)) << target.target;
        EXPECT_EQ(FileNameOf(resolved), fileName);
    }

    test::FakeMessageBoxes messages;
    test::ShippedPictures pictures;
    FontNameResolver fonts{test::InstalledFontFamilies()};
    SkinServices services{messages, pictures, fonts};
    SkinFileReader reader;
    SkinDefinition skin;
    Settings settings;
};

std::vector<SkinButton> MainButtons(const SkinDefinition& skin) {
    return {skin.mainButtons.begin(), skin.mainButtons.end()};
}

std::vector<SkinButton> PlayListButtons(const SkinDefinition& skin) {
    return {skin.playListButtons.begin(), skin.playListButtons.end()};
}

TEST_F(ShippedSkinsTest, DefaultMainWindowLoadsQuietlyWithEveryControlOnItsFace) {
    Load(kDefaultSkin);
    ExpectQuiet();
    ASSERT_TRUE(skin.mainBitmapLoaded && skin.mainPressedLoaded && skin.mainInactive);
    const gfx::Surface& face = *skin.mainFace;
    EXPECT_EQ(skin.mainPressed->Bounds(), face.Bounds());
    EXPECT_EQ(skin.mainInactive->Bounds(), face.Bounds());
    EXPECT_EQ(skin.skinName, "Vantor Default");
    ExpectButtonsOnFace(MainButtons(skin), face, *skin.mainPressed);
    // The outline is cut from magenta: the corners are gone.
    EXPECT_TRUE(IsKey(face.GetPixel(0, 0)));
    EXPECT_TRUE(IsKey(face.GetPixel(face.Width() - 1, face.Height() - 1)));

    EXPECT_EQ(skin.Bar(BarKind::Volume).type, "NORMAL");
    for (BarKind bar : {BarKind::Seek, BarKind::Pan, BarKind::Pitch}) {
        EXPECT_EQ(skin.Bar(bar).type, "BAR");
        ASSERT_TRUE(skin.Bar(bar).knob && skin.Bar(bar).knobPressed);
        EXPECT_GT(skin.Bar(bar).rect.Width(), skin.Bar(bar).knob->Width());
        EXPECT_FALSE(skin.Bar(bar).toolTip.empty());
    }
    EXPECT_TRUE(skin.spectrumFieldSet);
    ASSERT_TRUE(skin.spectrumPattern);
    EXPECT_EQ(skin.spectrumPattern->Height(), skin.spectrumField.rect.Height());
    EXPECT_EQ(skin.monoWindowRegions.count, 0);
    EXPECT_EQ(skin.stereoWindowRegions.count, 0);
    EXPECT_FALSE(skin.customToolTips.empty());
}

TEST_F(ShippedSkinsTest, DefaultGlyphStripsMatchTheirCells) {
    Load(kDefaultSkin);
    ASSERT_TRUE(skin.timeFontBitmap && skin.fontBitmap);
    EXPECT_EQ(skin.timeFontBitmap->Width(), 13 * skin.timeFontCellWidth);
    EXPECT_EQ(skin.timeFontBitmap->Height(), skin.timeFontCellHeight);
    EXPECT_EQ(skin.fontBitmap->Width(), 16 * skin.fontCellWidth);
    // The sheet reaches the lower-case letters of the format texts.
    EXPECT_GE(skin.fontBitmap->Height(), (('z' - 32) / 16 + 1) * skin.fontCellHeight);
    const SkinTextStyle& time = skin.Style(TextField::Time);
    EXPECT_EQ(time.fontKind, "BMP");
    // The thirteen cells of "00:00 / 00:00" fit the field.
    EXPECT_GE(time.rect.Width(), 13 * skin.timeFontCellWidth);
    for (TextField field :
         {TextField::SongFormat, TextField::SongKbps, TextField::SongKhz, TextField::SongMode,
          TextField::VolumeVal, TextField::PanVal, TextField::PitchVal}) {
        EXPECT_EQ(skin.Style(field).fontKind, "BMP");
        EXPECT_GE(skin.Style(field).rect.Height(), skin.fontCellHeight);
    }
    EXPECT_EQ(skin.Style(TextField::SongInfo).fontName, "IPAPGothic");
    EXPECT_EQ(skin.Style(TextField::SongInfo).shadow, 1);
}

TEST_F(ShippedSkinsTest, DefaultPlayListLoadsQuietlyAndDocksUnderTheMainWindow) {
    Load(kDefaultSkin);
    const int mainWidth = skin.mainFace->Width();
    const int mainHeight = skin.mainFace->Height();
    ASSERT_EQ(skin.linkPointCount, 2);
    EXPECT_EQ(skin.linkPoints[0].x, 0);
    EXPECT_EQ(skin.linkPoints[0].y, mainHeight);

    Load(kDefaultPlayList);
    ExpectQuiet();
    ASSERT_TRUE(skin.playListMainLoaded && skin.playListPressedLoaded);
    ASSERT_TRUE(skin.playListScrollKnob && skin.playListScrollKnobPressed);
    const gfx::Surface& face = *skin.playListFace;
    EXPECT_EQ(face.Width(), mainWidth);
    ExpectButtonsOnFace(PlayListButtons(skin), face, *skin.playListPressed);
    EXPECT_TRUE(face.Bounds().Contains(skin.playListTextRect.left, skin.playListTextRect.top));
    EXPECT_EQ(skin.playListFontName, "IPAPGothic");
    EXPECT_LT(skin.playListRectAlpha, 255);
    EXPECT_EQ(skin.playListScrollField.rect.Width(), skin.playListScrollKnob->Width());
}

TEST_F(ShippedSkinsTest, ShowcaseLoadsQuietlyThroughItsIncludes) {
    Load(kShowcaseSkin);
    ExpectQuiet();
    // Name and glyph strips come from the shared file, the playlist from its own.
    EXPECT_EQ(skin.skinName, "Vantor Showcase");
    ASSERT_TRUE(skin.timeFontBitmap && skin.fontBitmap);
    EXPECT_EQ(skin.timeFontTransparent, 1);
    ASSERT_TRUE(skin.mainBitmapLoaded && skin.playListMainLoaded);
    ExpectButtonsOnFace(MainButtons(skin), *skin.mainFace, *skin.mainPressed);
    ExpectButtonsOnFace(PlayListButtons(skin), *skin.playListFace, *skin.playListPressed);
    EXPECT_EQ(skin.dockPosition, 3);
    EXPECT_EQ(skin.spectrumPatternType, 1);
    ASSERT_TRUE(skin.spectrumPattern);
    EXPECT_EQ(skin.spectrumPattern->Width(), skin.spectrumField.rect.Width());
    const SkinBarStyle& pitch = skin.Bar(BarKind::Pitch);
    EXPECT_EQ(pitch.direction, "VERTICAL");
    EXPECT_EQ(pitch.type, "BAR");
    ASSERT_TRUE(pitch.knob);
    EXPECT_GT(pitch.rect.Height(), pitch.knob->Height());
}

TEST_F(ShippedSkinsTest, ShowcaseDialsHaveFrameStripsAndRisingRingMaps) {
    Load(kShowcaseSkin);
    for (BarKind kind : {BarKind::Volume, BarKind::Pan}) {
        const SkinBarStyle& bar = skin.Bar(kind);
        EXPECT_EQ(bar.type, "ADVANCE");
        ASSERT_TRUE(bar.knob && bar.track);
        ASSERT_GT(bar.knobWidth, 0);
        EXPECT_EQ(bar.knob->Width() % bar.knobWidth, 0);
        EXPECT_GT(bar.knob->Width() / bar.knobWidth, 10);
        const gfx::Surface& map = *bar.track;
        ASSERT_EQ(map.Width(), bar.rect.Width());
        ASSERT_EQ(map.Height(), bar.rect.Height());
        // Walking clockwise round the ring from its lower left end, the grey
        // level only rises; the opening at the bottom and the hub are outside.
        const double cx = map.Width() / 2.0;
        const double cy = map.Height() / 2.0;
        const double radius = map.Width() * 0.4;
        int last = -1;
        for (double t = 0.02; t < 1.0; t += 0.05) {
            const double angle = (225 - 270 * t) * std::numbers::pi / 180;
            const gfx::Pixel pixel = map.GetPixel(static_cast<int>(cx + std::cos(angle) * radius),
                                                  static_cast<int>(cy - std::sin(angle) * radius));
            ASSERT_FALSE(IsKey(pixel)) << "t " << t;
            EXPECT_EQ(gfx::RedOf(pixel), gfx::BlueOf(pixel));
            EXPECT_GT(static_cast<int>(gfx::RedOf(pixel)), last) << "t " << t;
            last = gfx::RedOf(pixel);
        }
        EXPECT_TRUE(IsKey(map.GetPixel(static_cast<int>(cx), static_cast<int>(cy + radius))));
        EXPECT_TRUE(IsKey(map.GetPixel(static_cast<int>(cx), static_cast<int>(cy))));
    }
}

TEST_F(ShippedSkinsTest, ShowcaseSeekBandFillsFromLeftToRight) {
    Load(kShowcaseSkin);
    const SkinBarStyle& seek = skin.Bar(BarKind::Seek);
    EXPECT_EQ(seek.type, "ADVANCE");
    ASSERT_TRUE(seek.track);
    const gfx::Surface& map = *seek.track;
    ASSERT_EQ(map.Width(), seek.rect.Width());
    int lowest = 256;
    int highest = -1;
    int lastColumnLevel = -1;
    for (int x = 0; x < map.Width(); ++x) {
        int columnLevel = -1;
        for (int y = 0; y < map.Height(); ++y) {
            const gfx::Pixel pixel = map.GetPixel(x, y);
            if (IsKey(pixel))
                continue;
            columnLevel = gfx::RedOf(pixel);
            lowest = std::min(lowest, columnLevel);
            highest = std::max(highest, columnLevel);
        }
        if (columnLevel >= 0) {
            EXPECT_GE(columnLevel, lastColumnLevel) << "column " << x;
            lastColumnLevel = columnLevel;
        }
    }
    // The whole track is reachable: from the start to the very end.
    EXPECT_LE(lowest, 2);
    EXPECT_EQ(highest, 255);
    // The pressed face lights the band the map uncovers.
    const int middle = map.Width() / 2;
    for (int y = 0; y < map.Height(); ++y) {
        if (IsKey(map.GetPixel(middle, y)))
            continue;
        const int wx = seek.rect.left + middle;
        const int wy = seek.rect.top + y;
        EXPECT_NE(skin.mainFace->GetPixel(wx, wy), skin.mainPressed->GetPixel(wx, wy));
    }
}

TEST_F(ShippedSkinsTest, ChangeSkinButtonsSwitchBetweenTheTwoSkins) {
    Load(kDefaultSkin);
    EXPECT_EQ(skin.Main(MainButton::ChangeSkin).regions[0].target, 0);
    ExpectTargetExists(skin.skinTargets, "Showcase.dvk");
    Load(kDefaultPlayList);
    ExpectTargetExists(skin.playListSkinTargets, "Showcase.dvk");
    Load(kShowcaseSkin);
    EXPECT_EQ(skin.Main(MainButton::ChangeSkin).regions[0].target, 0);
    ExpectTargetExists(skin.skinTargets, "Default.dvk");
    ExpectTargetExists(skin.playListSkinTargets, "Default.dvk");
}

} // namespace
} // namespace vantor
