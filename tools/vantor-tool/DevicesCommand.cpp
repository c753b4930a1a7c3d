// "devices": the three output types, the audio driver each maps to, and the
// devices ("drivers") the sound library reports for it.
#include "Commands.h"

#include "core/SoundSetup.h"
#include "engine/SoundEngine.h"
#include "engine/output/SdlAudio.h"

#include <ostream>

namespace vantor::tool {

int RunDevices(Args args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "usage: vantor-tool devices\n";
        return 2;
    }
    for (std::int32_t type = 0; type < 3; ++type) {
        engine::SoundEngine sound;
        std::int32_t output = OutputForType(type);
        sound.FSOUND_SetOutput(output);
        out << "output " << type << ":";
        for (const std::string& driver : engine::SdlDriverCandidates(output)) {
            out << " " << driver;
        }
        out << "\n";
        std::int32_t count = sound.FSOUND_GetNumDrivers();
        if (count == 0) {
            out << "  (not available)\n";
        }
        for (std::int32_t driver = 0; driver < count; ++driver) {
            out << "  driver " << driver << ": " << sound.FSOUND_GetDriverName(driver) << "\n";
        }
    }
    return 0;
}

} // namespace vantor::tool
