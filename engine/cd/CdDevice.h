// A CD drive, or a CD image (.cue/.bin, .toc, .nrg) opened like one, through
// libcdio: its audio tracks, its name, audio reads (through cdio_paranoia,
// which corrects a drive's jitter and read errors) and eject. The caller owns
// the device returned by Open; one thread at a time uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct _CdIo;
struct cdrom_drive_s;
struct cdrom_paranoia_s;

namespace vantor::engine {

struct CdioApi;

// Audio CD sectors hold 1/75 s of 16-bit stereo at 44.1 kHz.
inline constexpr int kCdSampleRate = 44100;
inline constexpr int kCdSectorBytes = 2352;
inline constexpr int kCdFramesPerSector = kCdSectorBytes / 4;
inline constexpr int kCdSectorsPerSecond = 75;

struct CdTrack {
    int number = 0; // as numbered on the disc, from 1
    std::int32_t firstSector = 0;
    std::int32_t sectorCount = 0;
    // The disc's CD-Text (or an image sheet's TITLE and PERFORMER), empty
    // when it has none.
    std::string title;
    std::string performer;

    std::int64_t LengthFrames() const { return std::int64_t{sectorCount} * kCdFramesPerSector; }
    std::int64_t LengthBytes() const { return std::int64_t{sectorCount} * kCdSectorBytes; }
    std::int64_t LengthMs() const { return std::int64_t{sectorCount} * 1000 / kCdSectorsPerSecond; }
};

class CdDevice {
public:
    // Null when the drive or image cannot be opened.
    static std::unique_ptr<CdDevice> Open(const std::string& path);
    // Device paths of the machine's CD drives (none in a container).
    static std::vector<std::string> ListDrives();
    // Ejects the medium of a drive path; false for an image or a failure.
    static bool EjectDrive(const std::string& path);

    ~CdDevice();
    CdDevice(const CdDevice&) = delete;
    CdDevice& operator=(const CdDevice&) = delete;

    const std::string& Path() const { return m_path; }
    bool IsImage() const;
    // The drive's vendor and model, or the image's file name.
    std::string DeviceName() const;
    // The text of the stream tag "CD_DEVICE_INFO": the access driver's name,
    // CR LF, the device name.
    std::string DeviceInfo() const;

    // Audio tracks only, in disc order; empty for a drive without a medium.
    const std::vector<CdTrack>& AudioTracks() const { return m_tracks; }

    // Reads whole sectors as 16-bit stereo samples (left, right) into `out`,
    // which holds count * kCdFramesPerSector * 2 samples. The first read
    // starts the error-correcting reader (it spins a drive up).
    bool ReadSectors(std::int32_t firstSector, int count, std::span<std::int16_t> out);

    // Ejects the medium; the device is closed afterwards. Images cannot eject.
    bool Eject();

private:
    CdDevice(const CdioApi& api, _CdIo* cdio, std::string path);
    void ListAudioTracks();
    // A CD-Text field (libcdio's cdtext_field_t) of a track.
    std::string CdText(int field, int track) const;
    bool StartReader();
    void StopReader();

    const CdioApi& m_api;
    _CdIo* m_cdio;
    cdrom_drive_s* m_drive = nullptr;
    cdrom_paranoia_s* m_reader = nullptr;
    std::string m_path;
    std::vector<CdTrack> m_tracks;
};

} // namespace vantor::engine
