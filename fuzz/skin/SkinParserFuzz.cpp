// Any bytes as a skin definition file: every statement is split and carried
// out on a skin record; nothing may crash, hang or read out of bounds.
#include "platform/MessageBoxes.h"
#include "skin/SkinLoader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class QuietMessages : public vantor::MessageBoxes {
public:
    void Show(const std::string&, const std::string&, vantor::MessageIcon) override {}
};

class NoPictures : public vantor::PictureSource {
public:
    vantor::Picture LoadPicture(const std::string&) override { return nullptr; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuietMessages messages;
    NoPictures pictures;
    const vantor::FontNameResolver fonts(std::vector<std::string>{"Arial"});
    const vantor::SkinServices services{messages, pictures, fonts};
    vantor::SkinDefinition skin;
    vantor::Settings settings;
    vantor::SkinFileReader reader;
    reader.SetCurrentDirectory("/nonexistent/");
    vantor::SkinStatementApplier applier(skin, settings, services, reader);
    const vantor::SkinFileContext file{"/nonexistent/fuzz.dvk", "/nonexistent/"};
    reader.ReadText(std::string(reinterpret_cast<const char*>(data), size), file, applier);
    return 0;
}
