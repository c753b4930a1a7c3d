// Decoding speed of Pixwell next to libpng's simplified reading interface,
// on a 2000 x 2000 truecolour and a 2000 x 2000 indexed picture written by
// libpng at start-up; and building the region of a 1000 x 1000 face whose
// rows break into hundreds of runs. The *Ratio benchmarks decode the same
// file with both libraries in each iteration and report Pixwell's time over
// libpng's in CPU time (the target is at most 1.3).
#include "pixwell.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 2000;
constexpr int kFaceSide = 1000;
constexpr std::uint32_t kMagenta = 0x00FF00FF;

struct TestFiles {
    std::filesystem::path folder;
    std::string truecolour;
    std::string indexed;
};

// A picture with smooth areas and fine detail, so the encoder uses every
// filter and the data compresses the way photos and skins do.
std::uint8_t Texture(int x, int y, int channel) {
    const int smooth = (x * (channel + 1) + y * (3 - channel)) / 16;
    const int detail = ((x * 7919 + y * 104729 + channel * 31) >> 3) & 0x0F;
    return static_cast<std::uint8_t>(smooth + detail);
}

void WritePng(const std::string& path, png_uint_32 format, const std::vector<std::uint8_t>& pixels,
              const std::vector<std::uint8_t>& colourMap) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kSide;
    image.height = kSide;
    image.format = format;
    image.colormap_entries = static_cast<png_uint_32>(colourMap.size() / 3);
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0,
                                 colourMap.empty() ? nullptr : colourMap.data()))
        throw std::runtime_error(std::string("cannot write ") + path + ": " + image.message);
}

TestFiles MakeFiles() {
    TestFiles files;
    files.folder =
        std::filesystem::temp_directory_path() / ("pixwell-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(files.folder);
    files.truecolour = (files.folder / "truecolour.png").string();
    files.indexed = (files.folder / "indexed.png").string();

    std::vector<std::uint8_t> rgb(std::size_t{kSide} * kSide * 3);
    std::vector<std::uint8_t> indices(std::size_t{kSide} * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const std::size_t at = std::size_t{static_cast<std::size_t>(y)} * kSide + x;
            for (int c = 0; c < 3; ++c)
                rgb[at * 3 + c] = Texture(x, y, c);
            indices[at] = static_cast<std::uint8_t>(Texture(x, y, 0) ^ (Texture(x, y, 2) >> 2));
        }
    }
    std::vector<std::uint8_t> colourMap(256 * 3);
    for (std::size_t i = 0; i < colourMap.size(); ++i)
        colourMap[i] = static_cast<std::uint8_t>(i * 7);
    WritePng(files.truecolour, PNG_FORMAT_RGB, rgb, {});
    WritePng(files.indexed, PNG_FORMAT_RGB_COLORMAP, indices, colourMap);
    return files;
}

const TestFiles& Files() {
    static const TestFiles files = MakeFiles();
    return files;
}

void DecodeWithPixwell(const std::string& path, std::vector<std::uint8_t>& pixels) {
    std::uint8_t info[PIXWELL_BITMAP_INFO_SIZE];
    std::int32_t size = 0;
    if (exLoadPNG(path.c_str(), info, &size) != 1)
        throw std::runtime_error("Pixwell refused " + path);
    pixels.resize(static_cast<std::size_t>(size));
    exGetPNG(pixels.data());
}

// Reads the same layout Pixwell produces: blue-green-red for truecolour,
// palette indices for indexed pictures.
void DecodeWithLibpng(const std::string& path, bool indexed, std::vector<std::uint8_t>& pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw std::runtime_error("libpng refused " + path);
    image.format = indexed ? PNG_FORMAT_BGR_COLORMAP : PNG_FORMAT_BGR;
    const std::size_t rowBytes = std::size_t{image.width} * (indexed ? 1 : 3);
    const std::size_t stride = (rowBytes + 3) & ~std::size_t{3};
    pixels.resize(stride * image.height);
    std::vector<std::uint8_t> colourMap(256 * 3);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), static_cast<png_int_32>(stride),
                               indexed ? colourMap.data() : nullptr))
        throw std::runtime_error(std::string("libpng failed: ") + image.message);
}

// CPU time of this thread, so that other work on a shared machine does not
// tilt the ratio.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double SecondsOf(auto&& work) {
    const double start = ThreadSeconds();
    work();
    return ThreadSeconds() - start;
}

void PixwellDecode(benchmark::State& state, bool indexed) {
    const auto& path = indexed ? Files().indexed : Files().truecolour;
    std::vector<std::uint8_t> pixels;
    for (auto _ : state) {
        DecodeWithPixwell(path, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void LibpngDecode(benchmark::State& state, bool indexed) {
    const auto& path = indexed ? Files().indexed : Files().truecolour;
    std::vector<std::uint8_t> pixels;
    for (auto _ : state) {
        DecodeWithLibpng(path, indexed, pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void DecodeRatio(benchmark::State& state, bool indexed) {
    const auto& path = indexed ? Files().indexed : Files().truecolour;
    std::vector<std::uint8_t> ours, theirs;
    // One untimed round first, so that neither side pays for the first
    // touch of its buffers inside the measurement.
    DecodeWithPixwell(path, ours);
    DecodeWithLibpng(path, indexed, theirs);
    double pixwellSeconds = 0, libpngSeconds = 0;
    for (auto _ : state) {
        pixwellSeconds += SecondsOf([&] { DecodeWithPixwell(path, ours); });
        libpngSeconds += SecondsOf([&] { DecodeWithLibpng(path, indexed, theirs); });
    }
    if (ours != theirs)
        state.SkipWithError("the two decoders disagree");
    const double n = static_cast<double>(state.iterations());
    state.counters["pixwell_ms"] = pixwellSeconds / n * 1e3;
    state.counters["libpng_ms"] = libpngSeconds / n * 1e3;
    state.counters["ratio"] = pixwellSeconds / libpngSeconds;
}

// Every third pixel, shifted by one per row, is magenta: about 333 runs in
// each of the 1000 rows.
std::vector<std::uint32_t> StripedFace() {
    std::vector<std::uint32_t> face(std::size_t{kFaceSide} * kFaceSide);
    for (int y = 0; y < kFaceSide; ++y)
        for (int x = 0; x < kFaceSide; ++x)
            face[std::size_t{static_cast<std::size_t>(y)} * kFaceSide + x] =
                (x + y) % 3 == 0 ? kMagenta : 0x00336699u + static_cast<std::uint32_t>(x);
    return face;
}

void RegionOfStripedFace(benchmark::State& state) {
    const auto face = StripedFace();
    const PixwellBitmap bitmap{kFaceSide, kFaceSide, kFaceSide, face.data()};
    std::uint32_t rectangles = 0;
    for (auto _ : state) {
        PixwellRect bounds;
        PixwellRegion* region = CreateRgnFromPictureBox(&bitmap, &bounds);
        if (!region) {
            state.SkipWithError("no region");
            break;
        }
        rectangles = region->count;
        Pixwell_FreeRegion(region);
    }
    state.counters["rectangles"] = rectangles;
}

} // namespace

BENCHMARK_CAPTURE(PixwellDecode, Truecolour2000, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LibpngDecode, Truecolour2000, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeRatio, Truecolour2000, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(PixwellDecode, Indexed2000, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LibpngDecode, Indexed2000, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeRatio, Indexed2000, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(RegionOfStripedFace)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Files().folder);
    return 0;
}
