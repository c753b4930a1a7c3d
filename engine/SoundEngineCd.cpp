#include "engine/SoundEngine.h"

#include "engine/cd/CdDevice.h"
#include "engine/cd/CdDriveLetters.h"
#include "engine/cd/CdStreamName.h"
#include "engine/mix/Mixer.h"
#include "engine/stream/CdSource.h"

#include <cctype>

namespace vantor::engine {

namespace {
std::string ResolveDrive(const std::string& drive) {
    if (!IsDriveLetter(drive)) {
        return drive;
    }
    int index = DriveLetterIndex(drive);
    std::vector<std::string> drives = CdDevice::ListDrives();
    return index >= 0 && static_cast<std::size_t>(index) < drives.size()
               ? drives[static_cast<std::size_t>(index)]
               : std::string();
}

std::string DriveOf(char letter) {
    return std::string(1, letter) + ":";
}
} // namespace

bool SoundEngine::IsCdName(const std::string& name) {
    if (ParseCdStreamName(name)) {
        return true;
    }
    std::string lower;
    for (char c : name.substr(name.size() > 4 ? name.size() - 4 : 0)) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return IsDriveLetter(name) || lower == ".cue" || lower == ".toc" || lower == ".nrg" ||
           name.rfind("/dev/", 0) == 0;
}

StreamHandle SoundEngine::OpenCdStream(const std::string& name) {
    auto parsed = ParseCdStreamName(name);
    std::string path = ResolveDrive(parsed ? parsed->drive : name);
    std::shared_ptr<CdDevice> device = path.empty() ? nullptr : CdDevice::Open(path);
    if (!device) {
        Fail(kSoundErrorCdDevice);
        return 0;
    }
    auto record = std::make_unique<StreamRecord>();
    record->tags["CD_DEVICE_INFO"] = device->DeviceInfo();
    for (const CdTrack& track : device->AudioTracks()) {
        record->subStreams.push_back({track.LengthMs(), track.LengthBytes()});
    }
    record->cd = std::move(device);
    if (!record->subStreams.empty()) {
        SelectCdTrack(*record, 0);
    }
    StreamHandle handle = NextHandle();
    m_streams[handle] = std::move(record);
    return handle;
}

bool SoundEngine::SelectCdTrack(StreamRecord& record, int index) {
    if (!record.cd) {
        return Fail(kSoundErrorInvalidParam);
    }
    ReleaseVoice(record.voice, record.channel);
    // The chosen track's CD-Text, as tag fields of the stream.
    const CdTrack& track = record.cd->AudioTracks().at(static_cast<std::size_t>(index));
    record.tags.erase("TITLE");
    record.tags.erase("ARTIST");
    if (!track.title.empty()) {
        record.tags["TITLE"] = track.title;
    }
    if (!track.performer.empty()) {
        record.tags["ARTIST"] = track.performer;
    }
    auto source = std::make_unique<CdSource>(record.cd, index);
    record.lengthBytes = source->LengthBytes();
    record.voice = MakeVoice(std::move(source));
    return true;
}

// Playing a CD track directly (not as a stream) is not used by the player;
// these operations are offered on top of the stream path for completeness.
bool SoundEngine::FSOUND_CD_Play(char drive, std::int32_t track) {
    FSOUND_CD_Stop(drive);
    StreamHandle stream = FSOUND_Stream_Open(DriveOf(drive), kStreamModeCd, 0, 0);
    if (stream == 0) {
        return false;
    }
    // Tracks are counted from 1 here, as on the disc.
    if (!FSOUND_Stream_SetSubStream(stream, track - 1) ||
        FSOUND_Stream_PlayEx(FSOUND_FREE, stream, 0, false) < 0) {
        FSOUND_Stream_Close(stream);
        return false;
    }
    m_cdPlayback[drive] = stream;
    return true;
}

bool SoundEngine::FSOUND_CD_Stop(char drive) {
    auto it = m_cdPlayback.find(drive);
    if (it == m_cdPlayback.end()) {
        return false;
    }
    FSOUND_Stream_Close(it->second);
    m_cdPlayback.erase(it);
    return true;
}

bool SoundEngine::FSOUND_CD_SetPaused(char drive, bool paused) {
    auto it = m_cdPlayback.find(drive);
    return it != m_cdPlayback.end() && FSOUND_SetPaused(m_streams[it->second]->channel, paused);
}

bool SoundEngine::FSOUND_CD_GetPaused(char drive) {
    auto it = m_cdPlayback.find(drive);
    return it != m_cdPlayback.end() && FSOUND_GetPaused(m_streams[it->second]->channel);
}

bool SoundEngine::FSOUND_CD_SetVolume(char drive, std::int32_t volume) {
    auto it = m_cdPlayback.find(drive);
    return it != m_cdPlayback.end() && FSOUND_SetVolume(m_streams[it->second]->channel, volume);
}

std::int32_t SoundEngine::FSOUND_CD_GetTrackLength(char drive, std::int32_t track) {
    std::shared_ptr<CdDevice> device = CdDevice::Open(ResolveDrive(DriveOf(drive)));
    if (!device || track < 1 || static_cast<std::size_t>(track) > device->AudioTracks().size()) {
        Fail(device ? kSoundErrorInvalidParam : kSoundErrorCdDevice);
        return 0;
    }
    return static_cast<std::int32_t>(
        device->AudioTracks()[static_cast<std::size_t>(track) - 1].LengthMs());
}

bool SoundEngine::FSOUND_CD_Eject(char drive) {
    FSOUND_CD_Stop(drive);
    std::string path = ResolveDrive(DriveOf(drive));
    return (!path.empty() && CdDevice::EjectDrive(path)) || Fail(kSoundErrorCdDevice);
}

} // namespace vantor::engine
