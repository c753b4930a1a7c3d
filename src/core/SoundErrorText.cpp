#include "core/SoundErrorText.h"

#include "base/ShownText.h"

#include <array>

namespace vantor {

std::string SoundErrorText(std::int32_t code) {
    static constexpr std::array<const char*, 20> kTexts{
        VANTOR_TEXT("No errors"),
        VANTOR_TEXT("Cannot call this command after FSOUND_Init.  Call FSOUND_Close first."),
        VANTOR_TEXT("This command failed because FSOUND_Init was not called"),
        VANTOR_TEXT("Error initializing output device."),
        VANTOR_TEXT("The output device is already in use and cannot be reused."),
        VANTOR_TEXT("Playing the sound failed."),
        VANTOR_TEXT(
            "Soundcard does not support the features needed for this soundsystem (16bit stereo "
            "output)"),
        VANTOR_TEXT("Error setting cooperative level for hardware."),
        VANTOR_TEXT("Error creating hardware sound buffer."),
        VANTOR_TEXT("File not found"),
        VANTOR_TEXT("Unknown file format"),
        VANTOR_TEXT("Error loading file"),
        VANTOR_TEXT("Not enough memory "),
        VANTOR_TEXT("The version number of this file format is not supported"),
        VANTOR_TEXT("An invalid parameter was passed to this function"),
        VANTOR_TEXT("Tried to use an EAX command on a non EAX enabled channel or output."),
        VANTOR_TEXT("Failed to allocate a new channel"),
        VANTOR_TEXT("Recording is not supported on this machine"),
        VANTOR_TEXT("Required Mediaplayer codec is not installed"),
        VANTOR_TEXT("An error occured trying to open the specified CD device"),
    };
    if (code < 0 || code >= static_cast<std::int32_t>(kTexts.size()))
        return VANTOR_TEXT("Unknown error");
    return kTexts[static_cast<std::size_t>(code)];
}

} // namespace vantor
