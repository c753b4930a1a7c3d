#include "skin/SkinLoader.h"

#include <algorithm>

namespace vantor {
namespace {

class SkinNameCollector : public SkinStatementHandler {
public:
    void OnMissingFile(const std::string&) override {}
    void OnUnknownKeyword(const SkinFileContext&, int, const std::string&) override {}
    void OnStatement(const SkinKeyword& keyword, const SkinLine& line,
                     const SkinFileContext&) override {
        if (keyword.action == SkinAction::SkinName) {
            info.skinName = line.rest;
        } else if (keyword.action == SkinAction::About) {
            info.aboutLines[static_cast<std::size_t>(info.aboutCount)] = line.rest;
            info.aboutCount = std::min(info.aboutCount + 1, 4);
        }
    }

    SkinNameInfo info;
};

} // namespace

bool LoadSkinFile(const std::string& path, SkinDefinition& skin, Settings& settings,
                  const SkinServices& services, SkinFileReader& reader) {
    SkinStatementApplier applier(skin, settings, services, reader);
    return reader.ReadFile(path, applier);
}

SkinNameInfo ReadSkinName(const std::string& path) {
    SkinFileReader reader;
    SkinNameCollector collector;
    reader.ReadFile(path, collector);
    return collector.info;
}

} // namespace vantor
