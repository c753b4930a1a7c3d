// How long the playlist takes to add a folder of 2000 MP3 files and a tree of
// 20000 files, and to load and save a playlist of 100000 entries. Targets:
// under 0.1 s, 1 s, 0.5 s and 0.5 s.
#include "playlist/AddFiles.h"
#include "playlist/HeadlessPlaylist.h"
#include "playlist/PlaylistFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The start of an MPEG-1 layer III frame, 128 kbit/s, 44100 Hz, padded to
// a few kilobytes like the head of a real file.
std::string Mp3Bytes() {
    std::string bytes("\xFF\xFB\x90\x64", 4);
    bytes.resize(4096, '\0');
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "vantor-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_root = pattern + "/";
        MakeFlatFolder();
        MakeTree();
        MakeBigPlaylist();
    }
    ~BenchFolder() {
        std::error_code error;
        fs::remove_all(m_root, error);
    }

    std::string Flat() const { return m_root + "flat/"; }
    std::string Tree() const { return m_root + "tree/"; }
    std::string BigList() const { return m_root + "big.dvl"; }
    std::string SavedList() const { return m_root + "saved.dvl"; }

private:
    void MakeFlatFolder() {
        fs::create_directories(Flat());
        const auto bytes = Mp3Bytes();
        for (int i = 0; i < 2000; ++i)
            WriteFile(Flat() + "Track " + std::to_string(i) + ".mp3", bytes);
    }

    // 20 folders of 10 sub-folders of 100 files: MP3, Ogg, ZIP-less covers
    // and text files mixed as in a music collection.
    void MakeTree() {
        const auto bytes = Mp3Bytes();
        int made = 0;
        for (int a = 0; a < 20; ++a) {
            for (int b = 0; b < 10; ++b) {
                const auto folder =
                    Tree() + "Artist " + std::to_string(a) + "/Album " + std::to_string(b) + "/";
                fs::create_directories(folder);
                for (int i = 0; i < 100; ++i, ++made) {
                    const char* extension = i % 10 == 8   ? ".jpg"
                                            : i % 10 == 9 ? ".txt"
                                            : i % 2       ? ".ogg"
                                                          : ".mp3";
                    WriteFile(folder + std::to_string(i) + extension, bytes);
                }
            }
        }
        if (made != 20000)
            std::abort();
    }

    // 100000 entries naming the flat folder's files, with titles and lengths.
    void MakeBigPlaylist() {
        std::string text;
        for (int i = 0; i < 100000; ++i) {
            text += "#VantorExt:" + std::to_string(180000 + i) + ",Artist " +
                    std::to_string(i % 97) + " - Song " + std::to_string(i) + "\r\n";
            text += "flat\\Track " + std::to_string(i % 2000) + ".mp3\r\n";
        }
        WriteFile(BigList(), text);
    }

    std::string m_root;
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

void BM_AddFolderOf2000Mp3(benchmark::State& state) {
    const auto& folder = Folder();
    for (auto _ : state) {
        vantor::HeadlessPlaylist player(std::cerr);
        vantor::AddFolder(player.context, folder.Flat(), false, vantor::kOpenMode);
        if (player.state.EntryCount() != 2000)
            state.SkipWithError("wrong entry count");
    }
}

void BM_AddTreeOf20000Files(benchmark::State& state) {
    const auto& folder = Folder();
    for (auto _ : state) {
        vantor::HeadlessPlaylist player(std::cerr);
        vantor::AddFolder(player.context, folder.Tree(), true, vantor::kOpenMode);
        if (player.state.EntryCount() != 16000)
            state.SkipWithError("wrong entry count");
    }
}

void BM_Load100000EntryDvl(benchmark::State& state) {
    const auto& folder = Folder();
    for (auto _ : state) {
        vantor::PlaylistState playlist;
        playlist.ResetToSpare();
        vantor::LoadPlaylistFile(folder.BigList(), playlist);
        if (playlist.Playlist.size() != 100001)
            state.SkipWithError("wrong entry count");
    }
}

void BM_Save100000EntryDvl(benchmark::State& state) {
    const auto& folder = Folder();
    vantor::PlaylistState playlist;
    playlist.ResetToSpare();
    vantor::LoadPlaylistFile(folder.BigList(), playlist);
    playlist.TrimSpare();
    for (auto _ : state) {
        if (!vantor::SavePlaylistFile(folder.SavedList(), playlist))
            state.SkipWithError("save failed");
    }
}

BENCHMARK(BM_AddFolderOf2000Mp3)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AddTreeOf20000Files)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Load100000EntryDvl)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Save100000EntryDvl)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
