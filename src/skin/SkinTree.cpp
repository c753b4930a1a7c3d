#include "skin/SkinTree.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "skin/SkinLoader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace vantor {
namespace {

struct FolderEntries {
    std::vector<std::string> skinFiles;
    std::vector<std::string> folders;
};

bool IsSkinFileName(const std::string& name) {
    return name.size() >= 4 && AsciiLower(name.substr(name.size() - 4)) == ".dvk";
}

// Sorted by name, so that the tree reads the same on every file system.
FolderEntries ReadFolder(const std::string& folder) {
    FolderEntries entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (it->is_directory(typeError))
            entries.folders.push_back(name);
        else if (IsSkinFileName(name))
            entries.skinFiles.push_back(name);
    }
    std::sort(entries.skinFiles.begin(), entries.skinFiles.end());
    std::sort(entries.folders.begin(), entries.folders.end());
    return entries;
}

// The node number in the "0000" format.
std::string FourDigits(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", number);
    return text;
}

std::string SamePathForm(const std::string& path, const std::string& baseFolder) {
    return NormalisedPath(ResolveStoredPath(path, baseFolder));
}

} // namespace

void SkinTree::BuildSkinTree(const std::string& rootFolder) {
    m_nodes.clear();
    m_nextNumber = 0;
    AddNode(rootFolder, kImageFolderOpen, "");
    ListFolder(EnsureTrailingSlash(rootFolder), 0, 0);
}

void SkinTree::ScanSkinFolder(const std::string& folder, const std::string& parentKey) {
    ScanFolder(folder, parentKey, 0);
}

void SkinTree::ScanFolder(const std::string& folder, const std::string& parentKey, int depth) {
    std::string name = folder;
    while (name.size() > 1 && name.back() == '/')
        name.pop_back();
    const std::size_t node = AddNode(FileNameOf(name), kImageFolderClose, parentKey);
    if (depth < kMaxDepth)
        ListFolder(EnsureTrailingSlash(folder), node, depth + 1);
}

void SkinTree::ListFolder(const std::string& folder, std::size_t folderNode, int depth) {
    const FolderEntries entries = ReadFolder(folder);
    const std::string key = m_nodes[folderNode].key;
    for (const std::string& file : entries.skinFiles)
        AddNode(file, kImageSkinFile, key);
    for (const std::string& sub : entries.folders)
        ScanFolder(folder + sub + "/", key, depth);
}

std::size_t SkinTree::AddNode(const std::string& text, const char* image,
                              const std::string& parentKey) {
    SkinTreeNode node;
    const bool root = parentKey.empty();
    node.key = FourDigits(m_nextNumber++) + "_" + (root ? std::string() : text);
    node.text = text;
    node.image = image;
    node.parentKey = parentKey;
    for (std::size_t i = 0; i < m_nodes.size() && !root; ++i) {
        if (m_nodes[i].key == parentKey)
            node.parent = static_cast<int>(i);
    }
    m_nodes.push_back(std::move(node));
    return m_nodes.size() - 1;
}

std::string SkinTree::NodePath(std::size_t index) const {
    const SkinTreeNode& node = m_nodes.at(index);
    if (node.parent < 0)
        return node.text;
    const std::string parentPath = NodePath(static_cast<std::size_t>(node.parent));
    return EnsureTrailingSlash(parentPath) + node.text;
}

std::optional<std::size_t> SkinTree::SelectSkinNode(const std::string& path,
                                                    const std::string& baseFolder) const {
    const std::string wanted = SamePathForm(path, baseFolder);
    for (std::size_t i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes[i].image == kImageSkinFile && SamePathForm(NodePath(i), baseFolder) == wanted)
            return i;
    }
    return std::nullopt;
}

std::string SkinDescription(const std::string& path) {
    const SkinNameInfo info = ReadSkinName(path);
    std::string text = info.skinName;
    for (std::int32_t line = 0; line < info.aboutCount; ++line)
        text += "\r\n" + info.aboutLines[static_cast<std::size_t>(line)];
    return text;
}

} // namespace vantor
