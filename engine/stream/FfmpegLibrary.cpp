#include "engine/stream/FfmpegLibrary.h"

#include "base/DynamicLibrary.h"

#include <optional>
#include <string>

namespace vantor::engine {

namespace {

// The largest single allocation FFmpeg may make. An audio stream needs far
// less; a hostile header must not make it reserve gigabytes.
constexpr std::size_t kMaxDecoderAllocation = 16 * 1024 * 1024;

// The sonames of the libraries the headers describe.
std::string Soname(const char* library, int major) {
    return std::string("lib") + library + ".so." + std::to_string(major);
}

std::optional<FfmpegApi> Load() {
    auto api = LoadBoundFunctions<FfmpegApi>({
        Soname("avformat", LIBAVFORMAT_VERSION_MAJOR),
        Soname("avcodec", LIBAVCODEC_VERSION_MAJOR),
        Soname("avutil", LIBAVUTIL_VERSION_MAJOR),
        Soname("swresample", LIBSWRESAMPLE_VERSION_MAJOR),
    });
    if (api) {
        // Failures are reported as the streams' error codes; FFmpeg's own log
        // stays quiet.
        api->av_log_set_level(AV_LOG_QUIET);
        api->av_max_alloc(kMaxDecoderAllocation);
    }
    return api;
}

} // namespace

const FfmpegApi* Ffmpeg() {
    static const std::optional<FfmpegApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
