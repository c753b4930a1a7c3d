// vantor-tool associations [list | set EXT... | unset EXT...] [--program PATH]:
// the association page's file types on the desktop's database, for scripts
// and for checking from outside. The player beside the tool is the program
// associated unless --program names another.
#include "Commands.h"

#include "base/Paths.h"
#include "base/StringUtil.h"
#include "shell/AssociationList.h"
#include "shell/XdgFileAssociations.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <vector>

namespace vantor::tool {

namespace {

constexpr std::string_view kUsage =
    "usage: vantor-tool associations [list | set EXT... | unset EXT...] [--program PATH]\n";

// The list's spelling of an extension given as "mp3", ".mp3" or ".MP3".
std::optional<std::string> ListExtension(const std::string& given) {
    const std::string dotted = AsciiUpper(given.starts_with('.') ? given : "." + given);
    const auto found = std::find_if(kAssociationItems.begin(), kAssociationItems.end(),
                                    [&](const auto& item) { return item.extension == dotted; });
    if (found == kAssociationItems.end())
        return std::nullopt;
    return std::string(found->extension);
}

} // namespace

int RunAssociations(Args args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> words(args.begin(), args.end());
    std::string program = ProgramFolder() + "vantor";
    if (const auto flag = std::find(words.begin(), words.end(), "--program"); flag != words.end()) {
        if (flag + 1 == words.end()) {
            err << kUsage;
            return 2;
        }
        program = *(flag + 1);
        words.erase(flag, flag + 2);
    }
    const std::string action = words.empty() ? "list" : words[0];
    XdgFileAssociations associations(XdgFolders::FromEnvironment(), program);
    if (action == "list" && words.size() <= 1) {
        for (const auto& item : kAssociationItems) {
            const std::string extension(item.extension);
            out << extension << " " << (associations.IsAssociated(extension) ? 1 : 0) << "\n";
        }
        return 0;
    }
    if ((action != "set" && action != "unset") || words.size() < 2) {
        err << kUsage;
        return 2;
    }
    std::vector<std::string> extensions;
    for (auto it = words.begin() + 1; it != words.end(); ++it) {
        const auto extension = ListExtension(*it);
        if (!extension) {
            err << "vantor-tool: '" << *it << "' is not a type the player associates\n";
            return 2;
        }
        extensions.push_back(*extension);
    }
    for (const auto& extension : extensions) {
        if (action == "set")
            associations.Associate(extension);
        else
            associations.Unassociate(extension);
    }
    associations.NotifyChanged();
    return 0;
}

} // namespace vantor::tool
