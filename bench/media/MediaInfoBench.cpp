// InspectFile against TagLib over the same 2000 small tagged MP3 files (warm
// cache): files per second of each, and their ratio, printed after the run.
#include "media/TrackFileReader.h"

#include "support/Id3Writer.h"
#include "support/MpegFrameWriter.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace vantor::test;

constexpr int kFileCount = 2000;

// Each file: an ID3v2.3 tag with the usual text frames, 40 frames of a
// 128 kbit/s stream (about 1 s) and an ID3v1 block.
const std::vector<std::string>& Files() {
    static TempDir dir;
    static const std::vector<std::string> files = [] {
        std::vector<std::string> paths;
        const Bytes audio = MpegFrames({}, 40);
        for (int i = 0; i < kFileCount; ++i) {
            const std::string n = std::to_string(i);
            Id3v2Writer tag(3);
            tag.TextFrame("TIT2", Id3Encoding::Latin1, "Title " + n)
                .TextFrame("TPE1", Id3Encoding::Latin1, "Artist " + n)
                .TextFrame("TALB", Id3Encoding::Latin1, "Album")
                .TextFrame("TRCK", Id3Encoding::Latin1, std::to_string(i % 20 + 1) + "/20")
                .TextFrame("TYER", Id3Encoding::Latin1, "2001")
                .TextFrame("TCON", Id3Encoding::Latin1, "(17)Rock")
                .CommentFrame("COMM", Id3Encoding::Latin1, "eng", "", "Comment " + n)
                .Padding(256);
            const Bytes file = Concat(
                {tag.Build(), audio, Id3v1Block({"Title " + n, "Artist", "Album", "2001", "", 1})});
            paths.push_back(dir.Write("song" + n + ".mp3", file));
        }
        return paths;
    }();
    return files;
}

std::map<std::string, double> g_filesPerSecond;

template <typename ReadOne>
void RunOverFiles(benchmark::State& state, const char* name, ReadOne readOne) {
    const auto& files = Files();
    std::int64_t read = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const auto& path : files)
            readOne(path);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        read += static_cast<std::int64_t>(files.size());
    }
    state.SetItemsProcessed(read);
    g_filesPerSecond[name] = static_cast<double>(read) / seconds;
}

void BM_InspectFile(benchmark::State& state) {
    RunOverFiles(state, "InspectFile", [](const std::string& path) {
        const vantor::SongInfo song = vantor::InspectFile(path);
        benchmark::DoNotOptimize(song.Title.size() + song.Format.PlayTimeMs.Raw());
    });
}

void BM_TagLib(benchmark::State& state) {
    RunOverFiles(state, "TagLib", [](const std::string& path) {
        const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Average);
        const auto title = file.tag()->title();
        benchmark::DoNotOptimize(title.size() + file.tag()->artist().size() +
                                 file.tag()->album().size() + file.tag()->comment().size() +
                                 file.tag()->track() +
                                 file.audioProperties()->lengthInMilliseconds());
    });
}

BENCHMARK(BM_InspectFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TagLib)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Files();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double ours = g_filesPerSecond["InspectFile"];
    const double theirs = g_filesPerSecond["TagLib"];
    if (ours > 0 && theirs > 0)
        std::printf("InspectFile %.0f files/s, TagLib %.0f files/s, ratio %.2f\n", ours, theirs,
                    ours / theirs);
    return 0;
}
