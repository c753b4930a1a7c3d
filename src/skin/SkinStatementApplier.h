// Carries out the statements of a skin file on the skin record: pictures,
// buttons, text styles, bars, colours, counters and their clamps, and the
// parser's two messages. Holds references only; the Player owns everything
// it touches. UI thread.
#pragma once

#include "base/ShownText.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"
#include "skin/FontNameResolver.h"
#include "skin/PictureSource.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinFileReader.h"

namespace vantor {

inline constexpr const char* kSkinInvalidMessage = VANTOR_TEXT("Skinファイルが有効ではありません");
inline constexpr const char* kSkinCoreTitle = "Vantor SkinCoreModule";
inline constexpr const char* kPlayerTitle = "Vantor";

struct SkinServices {
    MessageBoxes& messages;
    PictureSource& pictures;
    const FontNameResolver& fonts;
};

class SkinStatementApplier : public SkinStatementHandler {
public:
    SkinStatementApplier(SkinDefinition& skin, Settings& settings, const SkinServices& services,
                         const SkinFileReader& reader);

    void OnMissingFile(const std::string& path) override;
    void OnUnknownKeyword(const SkinFileContext& file, int lineNumber,
                          const std::string& lowerKeyword) override;
    void OnStatement(const SkinKeyword& keyword, const SkinLine& line,
                     const SkinFileContext& file) override;

private:
    bool ApplyPictureStatement(const SkinKeyword& keyword, const SkinLine& line,
                               const SkinFileContext& file);
    bool ApplyButtonStatement(const SkinKeyword& keyword, const SkinLine& line,
                              const SkinFileContext& file);
    bool ApplyTextStyleStatement(const SkinKeyword& keyword, const SkinLine& line);
    bool ApplyBarStatement(const SkinKeyword& keyword, const SkinLine& line);
    bool ApplyPlayListStatement(const SkinKeyword& keyword, const SkinLine& line);
    bool ApplyVisualStatement(const SkinKeyword& keyword, const SkinLine& line);
    void ApplyWindowStatement(const SkinKeyword& keyword, const SkinLine& line);
    void LoadBitmap(SkinBitmapSlot slot, const std::string& path);

    SkinDefinition& m_skin;
    Settings& m_settings;
    SkinServices m_services;
    const SkinFileReader& m_reader;
};

} // namespace vantor
