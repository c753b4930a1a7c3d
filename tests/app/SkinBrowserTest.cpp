#include "app/PlayerHarness.h"

#include "ui/SkinBrowserPage.h"
#include "ui/SurfaceImage.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

constexpr const char* kSkinPathKey = "<SkinFile Path>";

// The share of pixels two images of the same size have in common.
double SameShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 0.0;
    int same = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            same += (a.pixel(x, y) & 0xFFFFFF) == (b.pixel(x, y) & 0xFFFFFF);
    }
    return static_cast<double>(same) / (a.width() * a.height());
}

class SkinBrowserTest : public ::testing::Test {
protected:
    SkinBrowserTest() : player(harness.Start()), page(player.skinBrowser) { page.show(); }

    // Double-clicks the node `text`, unfolding its folder first as a user would.
    void DoubleClick(const QString& text) {
        QTreeWidgetItem* item = page.ItemNamed(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        if (item->parent() != nullptr)
            page.Tree().expandItem(item->parent());
        page.Tree().scrollToItem(item);
        const QPoint at = page.Tree().visualItemRect(item).center();
        QTest::mouseClick(page.Tree().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(page.Tree().viewport(), Qt::LeftButton, {}, at);
    }

    PlayerHarness harness;
    Player& player;
    SkinBrowserPage page;
};

TEST_F(SkinBrowserTest, OpensOnTheSkinInUseBelowTheSkinFolder) {
    QTreeWidgetItem* root = page.Tree().topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0).toStdString(), harness.Dir().Path() + "Skin/");
    EXPECT_TRUE(root->isExpanded());
    ASSERT_NE(page.Tree().currentItem(), nullptr);
    EXPECT_EQ(page.Tree().currentItem()->text(0), QStringLiteral("Default.dvk"));
    EXPECT_EQ(page.Tree().currentItem()->parent()->text(0), QStringLiteral("Default"));
    EXPECT_TRUE(page.ApplyButton().isEnabled());
    EXPECT_FALSE(page.Preview().isNull());
}

TEST_F(SkinBrowserTest, ChoosingASkinShowsItsNameAndAPictureOfItsMainWindow) {
    const QPixmap defaultPreview = page.Preview();
    page.Tree().setCurrentItem(page.ItemNamed(QStringLiteral("Showcase.dvk")));
    EXPECT_EQ(page.Description().toStdString(),
              "Vantor Showcase\nVantor Showcase\nPNG faces, frame-strip dials, a curved seek "
              "band.\nDrawn by tools/skin-generator.");
    const QPixmap preview = page.Preview();
    ASSERT_FALSE(preview.isNull());
    EXPECT_NE(preview.toImage(), defaultPreview.toImage());
    // Nothing changes until the skin is applied.
    EXPECT_EQ(player.surfaces.face.Width(), 440);

    page.Tree().setCurrentItem(page.ItemNamed(QStringLiteral("Showcase")));
    EXPECT_TRUE(page.Description().isEmpty());
    EXPECT_TRUE(page.Preview().isNull());
    EXPECT_FALSE(page.ApplyButton().isEnabled());
}

TEST_F(SkinBrowserTest, DoubleClickedSkinIsWornByTheWindowsAndStored) {
    const auto preview =
        player.skinBrowser.RenderMainWindow(harness.Dir().Path() + "Skin/Showcase/Showcase.dvk");
    ASSERT_TRUE(preview.has_value());
    DoubleClick(QStringLiteral("Showcase.dvk"));

    EXPECT_EQ(player.surfaces.face.Width(), 380);
    const QImage shown = harness.MainWindowImage();
    // The preview is the window at rest; only the animated fields may differ.
    EXPECT_GT(SameShare(shown, ToImage(preview->window)), 0.9);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Skin/Showcase/Showcase.dvk");
    EXPECT_TRUE(player.mainWindow.Widget().isVisible());
}

TEST_F(SkinBrowserTest, ApplyButtonSwitchesAndAFolderSwitchesNothing) {
    DoubleClick(QStringLiteral("Showcase"));
    EXPECT_EQ(player.surfaces.face.Width(), 440);

    page.Tree().setCurrentItem(page.ItemNamed(QStringLiteral("Showcase.dvk")));
    QTest::mouseClick(&page.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(player.surfaces.face.Width(), 380);
    page.Tree().setCurrentItem(page.ItemNamed(QStringLiteral("Default.dvk")));
    QTest::mouseClick(&page.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(player.surfaces.face.Width(), 440);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Skin/Default/Default.dvk");
}

// The skin folder of the settings decides what is listed; a skin there
// with an upper-case extension is offered and worn like any other.
TEST_F(SkinBrowserTest, ListsTheSkinFolderOfTheSettings) {
    harness.Dir().Write("Mine/Blue/BLUE.DVK",
                        "IncludeDVK ..\\..\\Skin\\Showcase\\Showcase.dvk\r\nSkinName Blue\r\n");
    player.settings.SkinFileFolder = "Mine\\";
    SkinBrowserPage mine(player.skinBrowser);
    EXPECT_EQ(mine.Tree().currentItem(), nullptr);
    QTreeWidgetItem* blue = mine.ItemNamed(QStringLiteral("BLUE.DVK"));
    ASSERT_NE(blue, nullptr);
    mine.Tree().setCurrentItem(blue);
    EXPECT_TRUE(mine.Description().startsWith(QStringLiteral("Blue\nVantor Showcase\n")));
    QTest::mouseClick(&mine.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(player.surfaces.face.Width(), 380);
    EXPECT_EQ(harness.StoredSetting(kSkinPathKey), "Mine/Blue/BLUE.DVK");
}

} // namespace
} // namespace vantor::test
