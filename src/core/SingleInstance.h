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

// Takes a split command line: when argument 0 is "/add" (any case) every
// "/add" is removed and the rest appended, otherwise the files open. A list
// left empty adds nothing.
void TakeCommandArgs(std::vector<std::string> args, const AddFilesFromArgs& addFiles);

// A hand-over received from another instance: the text (cut at its first
// NUL) split as a command line, then taken as above.
void ReceiveHandOver(const std::string& text, const AddFilesFromArgs& addFiles);

} // namespace vantor
