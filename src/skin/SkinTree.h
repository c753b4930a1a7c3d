// The tree of skin files below the skin folder that the skin browser shows:
// one node per folder and per skin file, each with a key unique across the
// whole tree, the text shown and the name of its image. Holds no platform
// state; the browser page turns the nodes into a tree control. UI thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

inline constexpr const char* kSkinRootKey = "0000_";
inline constexpr const char* kImageFolderOpen = "FolderOpen";
inline constexpr const char* kImageFolderClose = "FolderClose";
inline constexpr const char* kImageSkinFile = "DVK";

struct SkinTreeNode {
    // The node number in four digits and "_", then the text.
    std::string key;
    // The root folder's path for the root, else the folder or file name.
    std::string text;
    std::string image;
    // Empty for the root.
    std::string parentKey;
    // The node's position in the tree's list; -1 for the root.
    int parent = -1;
};

class SkinTree {
public:
    // Folders nested deeper than this are not listed, so that a link from a
    // folder to its own parent cannot make the scan endless.
    static constexpr int kMaxDepth = 16;

    // Clears the tree and lists `rootFolder` (a folder path) under a root node.
    void BuildSkinTree(const std::string& rootFolder);
    // Adds `folder`'s node under the node `parentKey`, then its skin files and
    // sub-folders.
    void ScanSkinFolder(const std::string& folder, const std::string& parentKey);
    // The full path of the node at `index`.
    std::string NodePath(std::size_t index) const;
    // The node whose path names the same file as `path` (a stored path,
    // taken relative to `baseFolder`), if any.
    std::optional<std::size_t> SelectSkinNode(const std::string& path,
                                              const std::string& baseFolder) const;

    // Parents come before their children.
    const std::vector<SkinTreeNode>& Nodes() const { return m_nodes; }

private:
    void ScanFolder(const std::string& folder, const std::string& parentKey, int depth);
    void ListFolder(const std::string& folder, std::size_t folderNode, int depth);
    std::size_t AddNode(const std::string& text, const char* image, const std::string& parentKey);

    std::vector<SkinTreeNode> m_nodes;
    int m_nextNumber = 0;
};

// The skin's name and its About lines, joined with CR LF.
std::string SkinDescription(const std::string& path);

} // namespace vantor
