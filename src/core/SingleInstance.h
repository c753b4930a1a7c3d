// The single-instance decision at start-up and the handling of argument
// strings handed over by a later instance. UI thread.
#pragma once

#include "platform/InstanceChannel.h"
#include "platform/MessageBoxes.h"

#include <functional>
#include <string>
#include <vector>

namespace vantor {

enum class StartDecision { Continue, End };

// `args` is the split command line, `argumentString` the unsplit one. A
// relaunch ("-r") takes the channel over from the ending player; a second
// start without files is refused with a message; one with files hands them
// to the running player and ends. Files the running player does not take
// (it is ending) are not lost: this start waits for it to go and plays them.
StartDecision DecideSingleInstance(const std::vector<std::string>& args,
                                   const std::string& argumentString, InstanceChannel& channel,
                                   MessageBoxes& messages);

// Adds files to the playlist: `openMode` replaces the playlist and starts the
// first file, otherwise the files are appended.
using AddFilesFromArgs = std::function<void(const std::vector<std::string>& files, bool openMode)>;

// What taking a command line did: whether files went to the playlist, and
// the arguments left out because they name nothing the player can add.
struct TakenArgs {
    bool added = false;
    std::vector<std::string> skipped;
};

// Takes a split command line: when argument 0 is "/add" (any case) every
// "/add" is removed and the rest appended, otherwise the files open.
// Arguments that name no existing folder and no existing file of a playable
// or playlist type (a mistyped path, an option the player does not know)
// are left out; when none is left nothing is added, so the playlist and
// playback stay as they were.
TakenArgs TakeCommandArgs(std::vector<std::string> args, const AddFilesFromArgs& addFiles);

// A hand-over received from another instance: the text (cut at its first
// NUL) split as a command line, then taken as above.
TakenArgs ReceiveHandOver(const std::string& text, const AddFilesFromArgs& addFiles);

// Names the arguments a command line left out, in one message; nothing
// when none was.
void ReportSkippedArgs(const std::vector<std::string>& skipped, MessageBoxes& messages);

} // namespace vantor
