#include "skin/SkinTree.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace vantor {
namespace {

class SkinTreeTest : public ::testing::Test {
protected:
    std::string Root() const { return dir.Path() + "Skin/"; }

    // The node with this text; fails the test when there is none.
    const SkinTreeNode& Node(const std::string& text) const {
        for (const auto& node : tree.Nodes()) {
            if (node.text == text)
                return node;
        }
        ADD_FAILURE() << "no node " << text;
        static const SkinTreeNode none;
        return none;
    }

    std::size_t IndexOf(const std::string& text) const {
        for (std::size_t i = 0; i < tree.Nodes().size(); ++i) {
            if (tree.Nodes()[i].text == text)
                return i;
        }
        ADD_FAILURE() << "no node " << text;
        return 0;
    }

    test::TempDir dir;
    SkinTree tree;
};

TEST_F(SkinTreeTest, RootHoldsTheFolderItsSkinsAndSubFoldersWithTheirImages) {
    dir.Write("Skin/Main.dvk", "SkinName Main\r\n");
    dir.Write("Skin/readme.txt", "x");
    dir.Write("Skin/Blue/Blue.dvk", "SkinName Blue\r\n");
    tree.BuildSkinTree(Root());

    ASSERT_EQ(tree.Nodes().size(), 4u);
    const SkinTreeNode& root = tree.Nodes()[0];
    EXPECT_EQ(root.key, "0000_");
    EXPECT_EQ(root.text, Root());
    EXPECT_EQ(root.image, "FolderOpen");
    EXPECT_EQ(Node("Main.dvk").image, "DVK");
    EXPECT_EQ(Node("Main.dvk").parentKey, "0000_");
    EXPECT_EQ(Node("Blue").image, "FolderClose");
    EXPECT_EQ(Node("Blue").parentKey, "0000_");
    EXPECT_EQ(Node("Blue.dvk").parentKey, Node("Blue").key);
    // The node counter is 1 after the root.
    EXPECT_EQ(Node("Main.dvk").key.substr(0, 5), "0001_");
}

TEST_F(SkinTreeTest, UpperCaseExtensionIsListed) {
    dir.Write("Skin/LOUD.DVK", "SkinName Loud\r\n");
    dir.Write("Skin/Mixed.Dvk", "SkinName Mixed\r\n");
    dir.Write("Skin/dvk", "x");
    tree.BuildSkinTree(Root());
    ASSERT_EQ(tree.Nodes().size(), 3u);
    EXPECT_EQ(Node("LOUD.DVK").image, "DVK");
    EXPECT_EQ(Node("Mixed.Dvk").image, "DVK");
}

TEST_F(SkinTreeTest, EmptyFolderStillGetsItsNode) {
    dir.MakeFolder("Skin/Empty");
    tree.BuildSkinTree(Root());
    ASSERT_EQ(tree.Nodes().size(), 2u);
    EXPECT_EQ(Node("Empty").image, "FolderClose");
    EXPECT_EQ(Node("Empty").parentKey, "0000_");
}

TEST_F(SkinTreeTest, SkinThreeLevelsDeepShowsUnderItsThreeFolders) {
    const std::string skin = dir.Write("Skin/A/B/C/Deep.dvk", "SkinName Deep\r\n");
    tree.BuildSkinTree(Root());
    const SkinTreeNode& deep = Node("Deep.dvk");
    EXPECT_EQ(deep.parentKey, Node("C").key);
    EXPECT_EQ(Node("C").parentKey, Node("B").key);
    EXPECT_EQ(Node("B").parentKey, Node("A").key);
    EXPECT_EQ(Node("A").parentKey, "0000_");
    EXPECT_EQ(tree.NodePath(IndexOf("Deep.dvk")), skin);
}

TEST_F(SkinTreeTest, KeysStayUniqueWhenTwoFoldersHoldFilesOfTheSameName) {
    dir.Write("Skin/One/Skin.dvk", "SkinName One\r\n");
    dir.Write("Skin/Two/Skin.dvk", "SkinName Two\r\n");
    dir.Write("Skin/Two/One/Skin.dvk", "SkinName Three\r\n");
    tree.BuildSkinTree(Root());
    std::set<std::string> keys;
    for (const auto& node : tree.Nodes())
        keys.insert(node.key);
    EXPECT_EQ(keys.size(), tree.Nodes().size());
    EXPECT_EQ(tree.Nodes().size(), 7u);
}

TEST_F(SkinTreeTest, RebuildingStartsTheNumbersAgain) {
    dir.Write("Skin/A.dvk", "SkinName A\r\n");
    tree.BuildSkinTree(Root());
    tree.BuildSkinTree(Root());
    ASSERT_EQ(tree.Nodes().size(), 2u);
    EXPECT_EQ(tree.Nodes()[1].key.substr(0, 5), "0001_");
}

TEST_F(SkinTreeTest, StoredPathFindsItsNodeWhateverTheSeparatorsAndLetterCase) {
    dir.Write("Skin/Default/Default.dvk", "SkinName Default\r\n");
    const std::string other = dir.Write("Skin/Other/Other.dvk", "SkinName Other\r\n");
    tree.BuildSkinTree(Root());

    const auto stored = tree.SelectSkinNode("skin\\DEFAULT\\default.DVK", dir.Path());
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(tree.Nodes()[*stored].text, "Default.dvk");
    const auto absolute = tree.SelectSkinNode(other, "/elsewhere/");
    ASSERT_TRUE(absolute.has_value());
    EXPECT_EQ(tree.Nodes()[*absolute].text, "Other.dvk");
    EXPECT_FALSE(tree.SelectSkinNode("Skin\\Other", dir.Path()).has_value());
    EXPECT_FALSE(tree.SelectSkinNode("Skin\\Gone.dvk", dir.Path()).has_value());
}

TEST_F(SkinTreeTest, MissingRootFolderGivesOnlyTheRoot) {
    tree.BuildSkinTree(dir.Path() + "nothing/");
    ASSERT_EQ(tree.Nodes().size(), 1u);
    EXPECT_EQ(tree.Nodes()[0].image, "FolderOpen");
}

TEST_F(SkinTreeTest, DescriptionIsTheNameAndAboutLinesOnSeparateLines) {
    const std::string skin =
        dir.Write("Skin/A.dvk", "SkinName Night Blue\r\nAbout made by Kei\r\nAbout 2004\r\n");
    EXPECT_EQ(SkinDescription(skin), "Night Blue\r\nmade by Kei\r\n2004");
    EXPECT_EQ(SkinDescription(dir.Path() + "gone.dvk"), "");
}

} // namespace
} // namespace vantor
