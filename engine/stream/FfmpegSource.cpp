#include "engine/stream/FfmpegSource.h"

#include "engine/stream/FfmpegLibrary.h"

#include "sound/SoundLibrary.h"

#include <algorithm>
#include <cstring>

namespace vantor::engine {

namespace {
// The containers the sound library plays as streams. Everything else (tracker
// modules included, which FFmpeg could open) is left to the song loader.
constexpr const char* kStreamFormats = "mp3,ogg,wav,aiff,asf";
constexpr AVRational kMilliseconds{1, 1000};
} // namespace

std::unique_ptr<FfmpegSource> FfmpegSource::Open(std::unique_ptr<FileRange> range, int outputRate,
                                                 int& error) {
    const FfmpegApi* ff = Ffmpeg();
    if (ff == nullptr) {
        error = kSoundErrorInit;
        return nullptr;
    }
    auto io = std::make_unique<ByteRangeIo>(*ff, std::move(range));
    if (io->Context() == nullptr) {
        error = kSoundErrorMemory;
        return nullptr;
    }
    std::unique_ptr<FfmpegSource> source(new FfmpegSource(*ff, std::move(io), outputRate));
    error = source->OpenContainer();
    if (error == 0) {
        error = source->OpenDecoder();
    }
    if (error == 0 && !source->DecodeMore()) {
        error = kSoundErrorFileBad;
    }
    return error == 0 ? std::move(source) : nullptr;
}

FfmpegSource::FfmpegSource(const FfmpegApi& ff, std::unique_ptr<ByteRangeIo> io, int outputRate)
    : m_ff(ff), m_io(std::move(io)), m_outputRate(outputRate) {}

FfmpegSource::~FfmpegSource() {
    m_ff.swr_free(&m_swr);
    m_ff.av_frame_free(&m_frame);
    m_ff.av_packet_free(&m_packet);
    m_ff.avcodec_free_context(&m_codec);
    m_ff.avformat_close_input(&m_format);
}

int FfmpegSource::OpenContainer() {
    m_format = m_ff.avformat_alloc_context();
    m_packet = m_ff.av_packet_alloc();
    m_frame = m_ff.av_frame_alloc();
    if (m_format == nullptr || m_packet == nullptr || m_frame == nullptr) {
        return kSoundErrorMemory;
    }
    m_format->pb = m_io->Context();
    m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
    m_format->format_whitelist = m_ff.av_strdup(kStreamFormats);
    // Probing first tells a file of no known format (10) from a known one
    // that cannot be read (11).
    const AVInputFormat* probed = nullptr;
    if (m_ff.av_probe_input_buffer2(m_format->pb, &probed, nullptr, nullptr, 0, 0) < 0 ||
        probed == nullptr || m_ff.av_match_list(probed->name, kStreamFormats, ',') <= 0) {
        return kSoundErrorFileFormat;
    }
    if (m_ff.avformat_open_input(&m_format, nullptr, probed, nullptr) < 0) {
        return kSoundErrorFileBad; // avformat_open_input freed the context
    }
    if (m_ff.avformat_find_stream_info(m_format, nullptr) < 0) {
        return kSoundErrorFileBad;
    }
    m_streamIndex = m_ff.av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    return m_streamIndex < 0 ? kSoundErrorFileFormat : 0;
}

int FfmpegSource::OpenDecoder() {
    const AVCodecParameters* params = m_format->streams[m_streamIndex]->codecpar;
    const AVCodec* decoder = m_ff.avcodec_find_decoder(params->codec_id);
    if (decoder == nullptr) {
        return kSoundErrorFileFormat;
    }
    m_codec = m_ff.avcodec_alloc_context3(decoder);
    if (m_codec == nullptr || m_ff.avcodec_parameters_to_context(m_codec, params) < 0 ||
        m_ff.avcodec_open2(m_codec, decoder, nullptr) < 0 || params->sample_rate <= 0) {
        return kSoundErrorFileBad;
    }
    m_nativeRate = params->sample_rate;
    m_lengthMs = ComputeLengthMs();
    return 0;
}

std::int64_t FfmpegSource::ComputeLengthMs() const {
    const AVStream* stream = m_format->streams[m_streamIndex];
    if (m_format->duration != AV_NOPTS_VALUE && m_format->duration > 0) {
        return m_ff.av_rescale(m_format->duration, 1000, AV_TIME_BASE);
    }
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
        return m_ff.av_rescale_q(stream->duration, stream->time_base, kMilliseconds);
    }
    std::int64_t bitRate = m_format->bit_rate > 0 ? m_format->bit_rate : m_codec->bit_rate;
    return bitRate > 0 ? m_io->Length() * 8000 / bitRate : 0;
}

bool FfmpegSource::DecodeMore() {
    while (true) {
        int result = m_ff.avcodec_receive_frame(m_codec, m_frame);
        if (result == 0) {
            Convert(m_frame);
            m_ff.av_frame_unref(m_frame);
            return true;
        }
        if (result != AVERROR(EAGAIN) || m_draining) {
            return false;
        }
        if (m_ff.av_read_frame(m_format, m_packet) < 0) {
            m_ff.avcodec_send_packet(m_codec, nullptr);
            m_draining = true;
            continue;
        }
        if (m_packet->stream_index == m_streamIndex) {
            // A damaged packet is skipped; the decoder resynchronises.
            m_ff.avcodec_send_packet(m_codec, m_packet);
        }
        m_ff.av_packet_unref(m_packet);
    }
}

bool FfmpegSource::OpenConverter(AVFrame& frame, bool soxEngine) {
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    m_ff.swr_alloc_set_opts2(&m_swr, &stereo, AV_SAMPLE_FMT_FLT, m_outputRate, &frame.ch_layout,
                             static_cast<AVSampleFormat>(frame.format), frame.sample_rate, 0,
                             nullptr);
    if (m_swr != nullptr && soxEngine) {
        m_ff.av_opt_set_int(m_swr, "resampler", SWR_ENGINE_SOXR, 0);
    }
    if (m_swr != nullptr && frame.ch_layout.nb_channels == 1) {
        // A mono file sounds at full level on both sides.
        const double both[2] = {1.0, 1.0};
        m_ff.swr_set_matrix(m_swr, both, 1);
    }
    if (m_swr == nullptr || m_ff.swr_init(m_swr) < 0) {
        m_ff.swr_free(&m_swr);
        return false;
    }
    return true;
}

void FfmpegSource::Convert(AVFrame* frame) {
    // A stream may change its layout midway; converting with the old one
    // would read planes the frame does not have.
    if (m_swr != nullptr && (frame->format != m_swrFormat || frame->sample_rate != m_swrRate ||
                             frame->ch_layout.nb_channels != m_swrChannels)) {
        m_ff.swr_free(&m_swr);
    }
    if (m_swr == nullptr) {
        m_swrFormat = frame->format;
        m_swrRate = frame->sample_rate;
        m_swrChannels = frame->ch_layout.nb_channels;
        // FFmpeg's own filter leaves the image of a high tone 25 to 45 dB
        // down when it raises the rate; the SoX engine keeps every product
        // more than 110 dB down. A build without it converts the old way.
        if (!OpenConverter(*frame, true) && !OpenConverter(*frame, false)) {
            return;
        }
    }
    if (m_seekTargetMs >= 0) {
        const AVStream* stream = m_format->streams[m_streamIndex];
        std::int64_t pts = frame->best_effort_timestamp;
        if (pts != AV_NOPTS_VALUE) {
            if (stream->start_time != AV_NOPTS_VALUE) {
                pts -= stream->start_time;
            }
            std::int64_t frameMs = m_ff.av_rescale_q(pts, stream->time_base, kMilliseconds);
            m_dropFrames =
                std::max<std::int64_t>(0, (m_seekTargetMs - frameMs) * m_outputRate / 1000);
        }
        m_seekTargetMs = -1;
    }
    int capacity = m_ff.swr_get_out_samples(m_swr, frame->nb_samples);
    if (capacity <= 0) {
        return;
    }
    if (m_pendingRead > 0) {
        m_pending.erase(m_pending.begin(),
                        m_pending.begin() + static_cast<std::ptrdiff_t>(m_pendingRead));
        m_pendingRead = 0;
    }
    std::size_t old = m_pending.size();
    m_pending.resize(old + 2 * static_cast<std::size_t>(capacity));
    auto* out = reinterpret_cast<std::uint8_t*>(m_pending.data() + old);
    int got =
        m_ff.swr_convert(m_swr, &out, capacity,
                         const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
    m_pending.resize(old + 2 * static_cast<std::size_t>(std::max(got, 0)));
}

std::size_t FfmpegSource::Read(float* stereo, std::size_t frames) {
    std::size_t done = 0;
    while (done < frames) {
        std::size_t available = (m_pending.size() - m_pendingRead) / 2;
        if (available == 0) {
            if (!DecodeMore()) {
                break;
            }
            continue;
        }
        if (m_dropFrames > 0) {
            auto drop = static_cast<std::size_t>(
                std::min<std::int64_t>(m_dropFrames, static_cast<std::int64_t>(available)));
            m_pendingRead += 2 * drop;
            m_dropFrames -= static_cast<std::int64_t>(drop);
            continue;
        }
        std::size_t count = std::min(available, frames - done);
        std::memcpy(stereo + 2 * done, m_pending.data() + m_pendingRead, count * 2 * sizeof(float));
        m_pendingRead += 2 * count;
        done += count;
    }
    return done;
}

std::int64_t FfmpegSource::SeekMs(std::int64_t ms) {
    const AVStream* stream = m_format->streams[m_streamIndex];
    std::int64_t target = m_ff.av_rescale_q(ms, kMilliseconds, stream->time_base);
    if (stream->start_time != AV_NOPTS_VALUE) {
        target += stream->start_time;
    }
    if (m_ff.av_seek_frame(m_format, m_streamIndex, target, AVSEEK_FLAG_BACKWARD) < 0 &&
        m_ff.av_seek_frame(m_format, m_streamIndex, target,
                           AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0) {
        return -1;
    }
    m_ff.avcodec_flush_buffers(m_codec);
    if (m_swr != nullptr) {
        m_ff.swr_close(m_swr);
        m_ff.swr_init(m_swr);
    }
    m_pending.clear();
    m_pendingRead = 0;
    m_dropFrames = 0;
    m_draining = false;
    m_seekTargetMs = ms;
    return ms;
}

} // namespace vantor::engine
