#include "engine/cd/CdDevice.h"

#include "base/Paths.h"
#include "base/StringUtil.h"

#include "engine/cd/CdioLibrary.h"

#include <algorithm>

#include <sys/stat.h>

namespace vantor::engine {

namespace {

bool IsImageDriver(driver_id_t driver) {
    return driver == DRIVER_BINCUE || driver == DRIVER_CDRDAO || driver == DRIVER_NRG;
}

bool IsBlockDevice(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
}

} // namespace

std::unique_ptr<CdDevice> CdDevice::Open(const std::string& path) {
    const CdioApi* api = Cdio();
    if (api == nullptr)
        return nullptr;
    CdIo_t* cdio = api->cdio_open(path.c_str(), DRIVER_UNKNOWN);
    if (cdio == nullptr)
        return nullptr;
    std::unique_ptr<CdDevice> device(new CdDevice(*api, cdio, path));
    device->ListAudioTracks();
    return device;
}

std::vector<std::string> CdDevice::ListDrives() {
    std::vector<std::string> drives;
    const CdioApi* api = Cdio();
    if (api == nullptr)
        return drives;
    char** list = api->cdio_get_devices(DRIVER_DEVICE);
    for (char** entry = list; entry != nullptr && *entry != nullptr; ++entry)
        drives.emplace_back(*entry);
    api->cdio_free_device_list(list);
    return drives;
}

bool CdDevice::EjectDrive(const std::string& path) {
    if (auto device = Open(path))
        return device->Eject();
    // A drive without a medium may refuse to open and still eject its tray.
    const CdioApi* api = Cdio();
    return api != nullptr && IsBlockDevice(path) &&
           api->cdio_eject_media_drive(path.c_str()) == DRIVER_OP_SUCCESS;
}

CdDevice::CdDevice(const CdioApi& api, CdIo_t* cdio, std::string path)
    : m_api(api), m_cdio(cdio), m_path(std::move(path)) {}

CdDevice::~CdDevice() {
    StopReader();
    if (m_cdio != nullptr)
        m_api.cdio_destroy(m_cdio);
}

bool CdDevice::IsImage() const {
    return m_cdio != nullptr && IsImageDriver(m_api.cdio_get_driver_id(m_cdio));
}

std::string CdDevice::DeviceName() const {
    if (m_cdio == nullptr || IsImage())
        return FileNameOf(m_path);
    cdio_hwinfo_t info{};
    if (!m_api.cdio_get_hwinfo(m_cdio, &info))
        return m_path;
    const auto name =
        std::string(TrimBlanks(info.psz_vendor)) + " " + std::string(TrimBlanks(info.psz_model));
    const auto trimmed = std::string(TrimBlanks(name));
    return trimmed.empty() ? m_path : trimmed;
}

std::string CdDevice::DeviceInfo() const {
    const char* driver = m_cdio != nullptr ? m_api.cdio_get_driver_name(m_cdio) : nullptr;
    return std::string(driver != nullptr ? driver : "CD") + "\r\n" + DeviceName();
}

std::string CdDevice::CdText(int field, int track) const {
    const cdtext_t* text = m_api.cdio_get_cdtext(m_cdio);
    const char* value = text != nullptr
                            ? m_api.cdtext_get_const(text, static_cast<cdtext_field_t>(field),
                                                     static_cast<track_t>(track))
                            : nullptr;
    return value != nullptr ? std::string(TrimBlanks(value)) : std::string();
}

void CdDevice::ListAudioTracks() {
    const track_t first = m_api.cdio_get_first_track_num(m_cdio);
    const track_t count = m_api.cdio_get_num_tracks(m_cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK)
        return;
    // An image's sheet may promise more than its audio file holds: tracks
    // end at the disc's end, and those starting past it are left out.
    const lsn_t leadOut = m_api.cdio_get_track_lsn(m_cdio, CDIO_CDROM_LEADOUT_TRACK);
    for (int number = first; number < first + count; ++number) {
        const auto track = static_cast<track_t>(number);
        if (m_api.cdio_get_track_format(m_cdio, track) != TRACK_FORMAT_AUDIO)
            continue;
        const lsn_t start = m_api.cdio_get_track_lsn(m_cdio, track);
        if (start == CDIO_INVALID_LSN || start < 0 || leadOut == CDIO_INVALID_LSN ||
            start >= leadOut)
            continue;
        const auto sectors = std::min<std::int64_t>(m_api.cdio_get_track_sec_count(m_cdio, track),
                                                    std::int64_t{leadOut} - start);
        if (sectors > 0)
            m_tracks.push_back({number, start, static_cast<std::int32_t>(sectors),
                                CdText(CDTEXT_FIELD_TITLE, number),
                                CdText(CDTEXT_FIELD_PERFORMER, number)});
    }
}

bool CdDevice::StartReader() {
    if (m_reader != nullptr)
        return true;
    if (m_cdio == nullptr)
        return false;
    m_drive = m_api.cdio_cddap_identify_cdio(m_cdio, CDDA_MESSAGE_FORGETIT, nullptr);
    if (m_drive == nullptr || m_api.cdio_cddap_open(m_drive) != 0) {
        StopReader();
        return false;
    }
    m_reader = m_api.cdio_paranoia_init(m_drive);
    if (m_reader == nullptr) {
        StopReader();
        return false;
    }
    // Full verification, but a sector that cannot be recovered is skipped
    // rather than retried for ever.
    m_api.cdio_paranoia_modeset(m_reader, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    return true;
}

void CdDevice::StopReader() {
    if (m_reader != nullptr)
        m_api.cdio_paranoia_free(m_reader);
    m_reader = nullptr;
    // The drive object borrows our libcdio handle; it must not free it.
    if (m_drive != nullptr)
        m_api.cdio_cddap_close_no_free_cdio(m_drive);
    m_drive = nullptr;
}

bool CdDevice::ReadSectors(std::int32_t firstSector, int count, std::span<std::int16_t> out) {
    const auto samplesPerSector = static_cast<std::size_t>(kCdFramesPerSector) * 2;
    if (count <= 0 || out.size() < static_cast<std::size_t>(count) * samplesPerSector ||
        !StartReader())
        return false;
    m_api.cdio_paranoia_seek(m_reader, firstSector, SEEK_SET);
    for (int i = 0; i < count; ++i) {
        const std::int16_t* sector = m_api.cdio_paranoia_read(m_reader, nullptr);
        if (sector == nullptr)
            return false;
        std::copy_n(sector, samplesPerSector,
                    out.begin() + static_cast<std::ptrdiff_t>(i * samplesPerSector));
    }
    return true;
}

bool CdDevice::Eject() {
    if (m_cdio == nullptr || IsImage())
        return false;
    StopReader();
    // On success libcdio frees the handle and clears the pointer.
    if (m_api.cdio_eject_media(&m_cdio) != DRIVER_OP_SUCCESS)
        return false;
    m_tracks.clear();
    return true;
}

} // namespace vantor::engine
