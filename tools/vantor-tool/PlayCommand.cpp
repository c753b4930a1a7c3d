// vantor-tool play [--mix GAP] [--random] [--loop] FILES... --out OUT.wav:
// plays a playlist of FILES through the player's own playback core on the
// real engine, without a window, and writes what was heard. Each track
// change is printed with its time.
#include "Commands.h"
#include "HeadlessPlayer.h"

#include "engine/output/WavWriter.h"

#include <filesystem>
#include <ostream>

namespace vantor::tool {

namespace {

constexpr std::string_view kUsage =
    "usage: vantor-tool play [--mix GAP] [--random] [--loop] FILES... --out OUT.wav\n";

struct PlayArguments {
    PlayOptions options;
    std::vector<std::string> files;
    std::string out;
};

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool ParseGap(const std::string& text, std::int32_t& gap) {
    try {
        std::size_t used = 0;
        gap = std::stoi(text, &used);
        return used == text.size() && gap >= 0;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<PlayArguments> Parse(Args args) {
    PlayArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--mix" && hasValue) {
            parsed.options.mix = true;
            if (!ParseGap(args[++i], parsed.options.gapMs))
                return std::nullopt;
        } else if (arg == "--random") {
            parsed.options.random = true;
        } else if (arg == "--loop") {
            parsed.options.loop = true;
        } else if (arg == "--out" && hasValue) {
            parsed.out = args[++i];
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            parsed.files.push_back(AbsolutePath(arg));
        }
    }
    if (parsed.files.empty() || parsed.out.empty())
        return std::nullopt;
    return parsed;
}

void PrintStart(const TrackStart& start, std::ostream& out) {
    out << start.timeMs << " ms: track " << start.index + 1 << " " << start.path << "\n";
}

} // namespace

int RunPlay(Args args, std::ostream& out, std::ostream& err) {
    const auto parsed = Parse(args);
    if (!parsed) {
        err << kUsage;
        return 2;
    }
    HeadlessPlayer player(parsed->options, err);
    if (!player.Start()) {
        err << "vantor-tool: the sound engine did not start\n";
        return 1;
    }
    engine::WavWriter wav;
    if (!wav.Open(parsed->out, parsed->options.rate)) {
        err << "vantor-tool: cannot write " << parsed->out << "\n";
        return 1;
    }
    player.Open(parsed->files);
    std::size_t printed = 0;
    player.Run([&](std::span<const float> frames) {
        wav.Write(frames.data(), frames.size() / 2);
        for (; printed < player.Starts().size(); ++printed)
            PrintStart(player.Starts()[printed], out);
    });
    wav.Close();
    for (; printed < player.Starts().size(); ++printed)
        PrintStart(player.Starts()[printed], out);
    out << player.NowMs() << " ms: stopped\n";
    return player.Starts().empty() ? 1 : 0;
}

} // namespace vantor::tool
