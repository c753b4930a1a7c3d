#include "AudioEncoder.h"

#include <cmath>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace vantor::test {

namespace {

struct Failure {
    std::string* error;
    bool operator()(const std::string& what, int code = 0) const {
        if (error != nullptr) {
            char text[AV_ERROR_MAX_STRING_SIZE] = {};
            av_strerror(code, text, sizeof text);
            *error = what + (code != 0 ? std::string(": ") + text : std::string());
        }
        return false;
    }
};

bool IsWide(AVSampleFormat format) {
    return format == AV_SAMPLE_FMT_S32 || format == AV_SAMPLE_FMT_S32P;
}

bool CanFill(AVSampleFormat format) {
    switch (format) {
    case AV_SAMPLE_FMT_U8:
    case AV_SAMPLE_FMT_S16:
    case AV_SAMPLE_FMT_S16P:
    case AV_SAMPLE_FMT_S32:
    case AV_SAMPLE_FMT_S32P:
    case AV_SAMPLE_FMT_FLT:
    case AV_SAMPLE_FMT_FLTP:
        return true;
    default:
        return false;
    }
}

// The first sample format of the encoder that this writer can fill,
// preferring a 32-bit one when 24-bit samples are asked for and a narrower
// one otherwise.
AVSampleFormat ChooseFormat(const AVCodec* codec, int bitsPerSample) {
    AVSampleFormat fallback = AV_SAMPLE_FMT_NONE;
    for (const AVSampleFormat* f = codec->sample_fmts; f != nullptr && *f != AV_SAMPLE_FMT_NONE;
         ++f) {
        if (!CanFill(*f))
            continue;
        if ((bitsPerSample > 16) == IsWide(*f))
            return *f;
        if (fallback == AV_SAMPLE_FMT_NONE)
            fallback = *f;
    }
    return fallback;
}

void FillTone(AVFrame* frame, std::int64_t firstSample, const ToneSpec& spec) {
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const int channels = frame->ch_layout.nb_channels;
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    for (int i = 0; i < frame->nb_samples; ++i) {
        const double t = static_cast<double>(firstSample + i) / spec.sampleRate;
        const double value = spec.amplitude * std::sin(2 * M_PI * spec.frequency * t);
        for (int c = 0; c < channels; ++c) {
            const int plane = planar ? c : 0;
            const int index = planar ? i : i * channels + c;
            std::uint8_t* data = frame->data[plane];
            if (format == AV_SAMPLE_FMT_U8)
                data[index] = static_cast<std::uint8_t>(std::lround(128 + value * 127));
            else if (format == AV_SAMPLE_FMT_S16 || format == AV_SAMPLE_FMT_S16P)
                reinterpret_cast<std::int16_t*>(data)[index] =
                    static_cast<std::int16_t>(value * 32767);
            else if (IsWide(format))
                reinterpret_cast<std::int32_t*>(data)[index] =
                    static_cast<std::int32_t>(value * 2147483647.0);
            else
                reinterpret_cast<float*>(data)[index] = static_cast<float>(value);
        }
    }
}

bool Drain(AVCodecContext* codec, AVFormatContext* format, AVStream* stream, Failure fail) {
    std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(av_packet_alloc(),
                                                          [](AVPacket* p) { av_packet_free(&p); });
    while (true) {
        const int result = avcodec_receive_packet(codec, packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0)
            return fail("avcodec_receive_packet", result);
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        const int written = av_interleaved_write_frame(format, packet.get());
        if (written < 0)
            return fail("av_interleaved_write_frame", written);
    }
}

struct Contexts {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    ~Contexts() {
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            if (format->pb != nullptr)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

bool OpenEncoder(const ToneSpec& spec, const AVCodec* encoder, Contexts& c, Failure fail) {
    c.codec = avcodec_alloc_context3(encoder);
    c.codec->sample_rate = spec.sampleRate;
    av_channel_layout_default(&c.codec->ch_layout, spec.channels);
    c.codec->sample_fmt = ChooseFormat(encoder, spec.bitsPerSample);
    c.codec->bits_per_raw_sample = spec.bitsPerSample;
    c.codec->time_base = AVRational{1, spec.sampleRate};
    if (spec.vbrQuality >= 0) {
        c.codec->flags |= AV_CODEC_FLAG_QSCALE;
        c.codec->global_quality = FF_QP2LAMBDA * spec.vbrQuality;
    } else {
        c.codec->bit_rate = spec.bitrate;
    }
    if ((c.format->oformat->flags & AVFMT_GLOBALHEADER) != 0)
        c.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int opened = avcodec_open2(c.codec, encoder, nullptr);
    return opened < 0 ? fail("avcodec_open2", opened) : true;
}

bool EncodeFrames(const ToneSpec& spec, Contexts& c, AVStream* stream, Failure fail) {
    c.frame = av_frame_alloc();
    c.frame->format = c.codec->sample_fmt;
    c.frame->nb_samples = c.codec->frame_size > 0 ? c.codec->frame_size : 1024;
    av_channel_layout_copy(&c.frame->ch_layout, &c.codec->ch_layout);
    c.frame->sample_rate = spec.sampleRate;
    if (av_frame_get_buffer(c.frame, 0) < 0)
        return fail("av_frame_get_buffer");
    const auto total = static_cast<std::int64_t>(spec.seconds * spec.sampleRate);
    for (std::int64_t done = 0; done < total; done += c.frame->nb_samples) {
        if (av_frame_make_writable(c.frame) < 0)
            return fail("av_frame_make_writable");
        FillTone(c.frame, done, spec);
        c.frame->pts = done;
        const int sent = avcodec_send_frame(c.codec, c.frame);
        if (sent < 0)
            return fail("avcodec_send_frame", sent);
        if (!Drain(c.codec, c.format, stream, fail))
            return false;
    }
    avcodec_send_frame(c.codec, nullptr);
    return Drain(c.codec, c.format, stream, fail);
}

} // namespace

bool EncodeTone(const std::string& path, const ToneSpec& spec, std::string* error) {
    const Failure fail{error};
    const AVCodec* encoder = avcodec_find_encoder_by_name(spec.encoder.c_str());
    if (encoder == nullptr)
        return fail("no encoder " + spec.encoder);
    Contexts c;
    const int allocated =
        avformat_alloc_output_context2(&c.format, nullptr, spec.container.c_str(), path.c_str());
    if (allocated < 0)
        return fail("avformat_alloc_output_context2", allocated);
    if (!OpenEncoder(spec, encoder, c, fail))
        return false;
    AVStream* stream = avformat_new_stream(c.format, nullptr);
    avcodec_parameters_from_context(stream->codecpar, c.codec);
    stream->time_base = c.codec->time_base;
    for (const auto& [key, value] : spec.metadata)
        av_dict_set(&c.format->metadata, key.c_str(), value.c_str(), 0);
    const int opened = avio_open(&c.format->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (opened < 0)
        return fail("avio_open", opened);
    AVDictionary* options = nullptr;
    if (spec.container == "mp3")
        av_dict_set_int(&options, "id3v2_version", spec.id3v2Version, 0);
    const int header = avformat_write_header(c.format, &options);
    av_dict_free(&options);
    if (header < 0)
        return fail("avformat_write_header", header);
    if (!EncodeFrames(spec, c, stream, fail))
        return false;
    const int trailer = av_write_trailer(c.format);
    return trailer < 0 ? fail("av_write_trailer", trailer) : true;
}

} // namespace vantor::test
