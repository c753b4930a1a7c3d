// "decode": plays a file through the sound library into a 16-bit stereo WAV
// file as fast as possible, opening it as the player opens a track, optionally
// through the equaliser set from a preset file.
#include "Commands.h"

#include "core/SoundErrorText.h"
#include "effects/EqualizerFile.h"
#include "engine/Equalizer.h"
#include "engine/SoundEngine.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <thread>

namespace vantor::tool {

namespace {

struct DecodeRequest {
    std::string input;
    std::string output;
    int rate = 44100;
    std::int32_t memberStart = 0;
    std::int32_t memberEnd = 0;
    std::string equalizerPreset;
};

bool ParseNumber(const std::string& text, std::int32_t& value) {
    try {
        std::size_t used = 0;
        long long parsed = std::stoll(text, &used);
        if (used != text.size() || parsed < 0 || parsed > INT32_MAX) {
            return false;
        }
        value = static_cast<std::int32_t>(parsed);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool ParseDecodeArgs(Args args, DecodeRequest& request) {
    if (args.size() < 2) {
        return false;
    }
    request.input = args[0];
    request.output = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--rate" && i + 1 < args.size()) {
            if (!ParseNumber(args[++i], request.rate)) {
                return false;
            }
        } else if (args[i] == "--member" && i + 2 < args.size()) {
            if (!ParseNumber(args[i + 1], request.memberStart) ||
                !ParseNumber(args[i + 2], request.memberEnd) ||
                request.memberEnd < request.memberStart) {
                return false;
            }
            i += 2;
        } else if (args[i] == "--equalizer" && i + 1 < args.size()) {
            request.equalizerPreset = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

void WaitWhile(const std::function<bool()>& playing) {
    while (playing()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

int RunDecode(Args args, std::ostream& out, std::ostream& err) {
    DecodeRequest request;
    if (!ParseDecodeArgs(args, request)) {
        err << "usage: vantor-tool decode FILE OUT.wav [--rate HZ] [--member START END] "
               "[--equalizer PRESET.dvc]\n";
        return 2;
    }
    // A preset that cannot be read stops the command before anything is written.
    std::optional<EqualizerLevels> levels;
    if (!request.equalizerPreset.empty()) {
        EqualizerRead preset = LoadEqualizerFile(request.equalizerPreset);
        if (!preset.levels) {
            err << request.equalizerPreset << ": " << preset.error << "\n";
            return 1;
        }
        levels = preset.levels;
    }
    engine::SoundEngine sound(
        engine::EngineOptions{engine::OutputKind::WavFile, request.output, nullptr});
    if (!sound.FSOUND_Init(request.rate, 128, 0)) {
        err << SoundErrorText(sound.FSOUND_GetError()) << "\n";
        return 1;
    }
    engine::Equalizer equalizer(sound);
    if (levels) {
        equalizer.Init(request.rate);
        equalizer.Apply(true, *levels);
    }
    // A member's range names its first and last byte, as in the playlist.
    std::int32_t span = request.memberEnd - request.memberStart;
    std::int32_t length = span + (span > 0 ? 1 : 0);
    std::int64_t lengthMs = 0;
    StreamHandle stream =
        sound.FSOUND_Stream_Open(request.input, kStreamModeFile, request.memberStart, length);
    if (stream != 0) {
        std::int32_t channel = sound.FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false);
        WaitWhile([&] { return channel >= 0 && sound.FSOUND_IsPlaying(channel); });
        lengthMs = sound.FSOUND_Stream_GetLengthMs(stream);
    } else {
        SongHandle song = sound.FMUSIC_LoadSong(request.input);
        if (song == 0) {
            err << SoundErrorText(sound.FSOUND_GetError()) << "\n";
            return 1;
        }
        sound.FMUSIC_PlaySong(song);
        WaitWhile([&] { return !sound.FMUSIC_IsFinished(song); });
        lengthMs = sound.FMUSIC_GetTime(song);
    }
    equalizer.Close();
    sound.FSOUND_Close();
    out << "length_ms = " << lengthMs << "\n";
    return 0;
}

} // namespace vantor::tool
