#include "support/ToneEncoder.h"

#include <cmath>
#include <numbers>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace vantor::test {

namespace {

struct FormatChoice {
    const char* muxer;
    const char* encoder;
};

FormatChoice ChoiceOf(ToneFormat format) {
    switch (format) {
    case ToneFormat::Mp3:
        return {"mp3", "libmp3lame"};
    case ToneFormat::Mp2:
        return {"mp2", "mp2"};
    case ToneFormat::Ogg:
        return {"ogg", "libvorbis"};
    case ToneFormat::Wav:
        return {"wav", "pcm_s16le"};
    case ToneFormat::Aiff:
        return {"aiff", "pcm_s16be"};
    case ToneFormat::Wma:
        return {"asf", "wmav2"};
    }
    return {"wav", "pcm_s16le"};
}

AVSampleFormat PickSampleFormat(const AVCodec* codec) {
    for (const AVSampleFormat* f = codec->sample_fmts; f != nullptr && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLTP || *f == AV_SAMPLE_FMT_FLT || *f == AV_SAMPLE_FMT_S16P ||
            *f == AV_SAMPLE_FMT_S16) {
            return *f;
        }
    }
    return AV_SAMPLE_FMT_NONE;
}

void StoreSample(AVFrame* frame, AVSampleFormat format, int channel, int index, double value) {
    int channels = frame->ch_layout.nb_channels;
    auto s16 = static_cast<std::int16_t>(std::lrint(value * 32767.0));
    switch (format) {
    case AV_SAMPLE_FMT_FLTP:
        reinterpret_cast<float*>(frame->data[channel])[index] = static_cast<float>(value);
        break;
    case AV_SAMPLE_FMT_FLT:
        reinterpret_cast<float*>(frame->data[0])[index * channels + channel] = static_cast<float>(value);
        break;
    case AV_SAMPLE_FMT_S16P:
        reinterpret_cast<std::int16_t*>(frame->data[channel])[index] = s16;
        break;
    default:
        reinterpret_cast<std::int16_t*>(frame->data[0])[index * channels + channel] = s16;
        break;
    }
}

// Owns every FFmpeg object of one encode.
struct Encode {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    AVStream* stream = nullptr;
    ~Encode() {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
    bool Drain() {
        while (avcodec_receive_packet(codec, packet) == 0) {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = 0;
            if (av_interleaved_write_frame(format, packet) < 0) {
                return false;
            }
        }
        return true;
    }
};

bool Fail(std::string& error, const std::string& text) {
    error = text;
    return false;
}

} // namespace

std::string ToneExtension(ToneFormat format) {
    switch (format) {
    case ToneFormat::Mp3:
        return ".mp3";
    case ToneFormat::Mp2:
        return ".mp2";
    case ToneFormat::Ogg:
        return ".ogg";
    case ToneFormat::Wav:
        return ".wav";
    case ToneFormat::Aiff:
        return ".aiff";
    case ToneFormat::Wma:
        return ".wma";
    }
    return ".wav";
}

bool WriteTone(const std::string& path, ToneFormat format, const ToneSpec& spec, std::string& error) {
    FormatChoice choice = ChoiceOf(format);
    const AVCodec* encoder = avcodec_find_encoder_by_name(choice.encoder);
    if (encoder == nullptr) {
        return Fail(error, std::string("no encoder ") + choice.encoder);
    }
    Encode e;
    if (avformat_alloc_output_context2(&e.format, nullptr, choice.muxer, path.c_str()) < 0) {
        return Fail(error, "no muxer");
    }
    e.stream = avformat_new_stream(e.format, nullptr);
    e.codec = avcodec_alloc_context3(encoder);
    e.codec->sample_rate = spec.sampleRate;
    e.codec->sample_fmt = PickSampleFormat(encoder);
    av_channel_layout_default(&e.codec->ch_layout, spec.channels);
    e.codec->bit_rate = format == ToneFormat::Mp2 || format == ToneFormat::Mp3 ? 128000 : 96000;
    e.codec->time_base = AVRational{1, spec.sampleRate};
    if (e.format->oformat->flags & AVFMT_GLOBALHEADER) {
        e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (avcodec_open2(e.codec, encoder, nullptr) < 0 ||
        avcodec_parameters_from_context(e.stream->codecpar, e.codec) < 0) {
        return Fail(error, "encoder refused the format");
    }
    e.stream->time_base = e.codec->time_base;
    if (avio_open(&e.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0 ||
        avformat_write_header(e.format, nullptr) < 0) {
        return Fail(error, "cannot write " + path);
    }
    int frameSize = e.codec->frame_size > 0 ? e.codec->frame_size : 1024;
    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    auto total = static_cast<std::int64_t>(std::llround(spec.seconds * spec.sampleRate));
    for (std::int64_t start = 0; start < total; start += frameSize) {
        int count = static_cast<int>(std::min<std::int64_t>(frameSize, total - start));
        av_frame_unref(e.frame);
        e.frame->nb_samples = count;
        e.frame->format = e.codec->sample_fmt;
        e.frame->sample_rate = spec.sampleRate;
        av_channel_layout_copy(&e.frame->ch_layout, &e.codec->ch_layout);
        if (av_frame_get_buffer(e.frame, 0) < 0) {
            return Fail(error, "no frame buffer");
        }
        for (int i = 0; i < count; ++i) {
            double t = static_cast<double>(start + i) / spec.sampleRate;
            double value = spec.amplitude * std::sin(2.0 * std::numbers::pi * spec.frequency * t);
            for (int c = 0; c < spec.channels; ++c) {
                StoreSample(e.frame, e.codec->sample_fmt, c, i, value);
            }
        }
        e.frame->pts = start;
        if (avcodec_send_frame(e.codec, e.frame) < 0 || !e.Drain()) {
            return Fail(error, "encoding failed");
        }
    }
    if (avcodec_send_frame(e.codec, nullptr) < 0 || !e.Drain() || av_write_trailer(e.format) < 0) {
        return Fail(error, "finishing failed");
    }
    return true;
}

} // namespace vantor::test
