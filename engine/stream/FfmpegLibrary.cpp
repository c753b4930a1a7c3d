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

// One handle per library; a symbol is looked up in each in turn (a handle
// also finds its dependencies' symbols).
std::optional<FfmpegApi> Load() {
    void* const handles[] = {
        OpenDynamicLibrary(Soname("avformat", LIBAVFORMAT_VERSION_MAJOR)),
        OpenDynamicLibrary(Soname("avcodec", LIBAVCODEC_VERSION_MAJOR)),
        OpenDynamicLibrary(Soname("avutil", LIBAVUTIL_VERSION_MAJOR)),
        OpenDynamicLibrary(Soname("swresample", LIBSWRESAMPLE_VERSION_MAJOR)),
    };
    const auto bind = [&handles](const char* symbol, auto& into) {
        for (void* handle : handles) {
            if (BindSymbol(handle, symbol, into))
                return true;
        }
        return false;
    };
    FfmpegApi api;
    bool complete = true;
#define VANTOR_FFMPEG_BIND(name) complete = bind(#name, api.name) && complete;
    VANTOR_FFMPEG_FUNCTIONS(VANTOR_FFMPEG_BIND)
#undef VANTOR_FFMPEG_BIND
    if (!complete)
        return std::nullopt;
    // Failures are reported as the streams' error codes; FFmpeg's own log
    // stays quiet.
    api.av_log_set_level(AV_LOG_QUIET);
    api.av_max_alloc(kMaxDecoderAllocation);
    return api;
}

} // namespace

const FfmpegApi* Ffmpeg() {
    static const std::optional<FfmpegApi> api = Load();
    return api ? &*api : nullptr;
}

} // namespace vantor::engine
