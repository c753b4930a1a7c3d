// Filling the playlist: files from the open dialog, the command line or a
// drop, and whole folders. Each operation replaces the list (open mode) or
// appends to it, then starts the tag reader, opens a track where it should
// and keeps the non-stop mix going. UI thread only.
#pragma once

#include "base/ShownText.h"
#include "playlist/PlaylistContext.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::int32_t kOpenMode = 1;
inline constexpr std::int32_t kAddMode = 2;

enum class AddSource { Dialog, CommandLine, Drop };

inline constexpr std::string_view kOpenFilesTitle = VANTOR_TEXT("ファイルを開く");
inline constexpr std::string_view kAddFilesTitle = VANTOR_TEXT("ファイルをリストに追加");
// The open dialog's filter, in the order the dialog offers it.
extern const std::string_view kSongFileFilter;

// `mode` kOpenMode replaces the list, any other value appends. With
// AddSource::Dialog the files come from the open dialog and `files` is
// ignored; otherwise `files` are taken in order.
void AddFiles(PlaylistContext& context, std::int32_t mode, AddSource source,
              const std::vector<std::string>& files = {});

// Whether `path` is something adding from the command line or a drop can
// take: an existing folder, or an existing file of a playable or playlist
// type.
bool NamesSomethingToAdd(const std::string& path);

// `mode` kOpenMode replaces the list with the folder's files, kAddMode
// appends them; `recurse` descends into sub-folders. A folder that does not
// exist is refused with the "Error : SubFindFile" message.
void AddFolder(PlaylistContext& context, const std::string& folder, bool recurse,
               std::int32_t mode);

} // namespace vantor
