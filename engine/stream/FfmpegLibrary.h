// FFmpeg bound at run time. Its libraries pull in about a hundred codec
// libraries, which cost the player a tenth of a second and some 18 MiB before
// anything plays, so they are loaded when the first stream that needs them
// opens (plain MPEG audio, Ogg Vorbis and PCM files do not) and stay for the
// life of the process. Any thread may call Ffmpeg().
#pragma once

#include "base/DynamicLibrary.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

// Every FFmpeg function the streams call.
#define VANTOR_FFMPEG_FUNCTIONS(X)                                                                 \
    X(av_find_best_stream)                                                                         \
    X(av_frame_alloc)                                                                              \
    X(av_frame_free)                                                                               \
    X(av_frame_unref)                                                                              \
    X(av_free)                                                                                     \
    X(av_freep)                                                                                    \
    X(av_log_set_level)                                                                            \
    X(av_malloc)                                                                                   \
    X(av_match_list)                                                                               \
    X(av_max_alloc)                                                                                \
    X(av_opt_set_int)                                                                              \
    X(av_packet_alloc)                                                                             \
    X(av_packet_free)                                                                              \
    X(av_packet_unref)                                                                             \
    X(av_probe_input_buffer2)                                                                      \
    X(av_read_frame)                                                                               \
    X(av_rescale)                                                                                  \
    X(av_rescale_q)                                                                                \
    X(av_seek_frame)                                                                               \
    X(av_strdup)                                                                                   \
    X(avcodec_alloc_context3)                                                                      \
    X(avcodec_find_decoder)                                                                        \
    X(avcodec_flush_buffers)                                                                       \
    X(avcodec_free_context)                                                                        \
    X(avcodec_open2)                                                                               \
    X(avcodec_parameters_to_context)                                                               \
    X(avcodec_receive_frame)                                                                       \
    X(avcodec_send_packet)                                                                         \
    X(avformat_alloc_context)                                                                      \
    X(avformat_close_input)                                                                        \
    X(avformat_find_stream_info)                                                                   \
    X(avformat_open_input)                                                                         \
    X(avio_alloc_context)                                                                          \
    X(avio_context_free)                                                                           \
    X(swr_alloc_set_opts2)                                                                         \
    X(swr_close)                                                                                   \
    X(swr_convert)                                                                                 \
    X(swr_free)                                                                                    \
    X(swr_get_out_samples)                                                                         \
    X(swr_init)                                                                                    \
    X(swr_set_matrix)

namespace vantor::engine {

struct FfmpegApi {
    VANTOR_BOUND_FUNCTIONS(VANTOR_FFMPEG_FUNCTIONS)
};

// FFmpeg's functions, loading the libraries the first time (the versions the
// program was built against); null when they cannot be loaded, which no
// later call changes.
const FfmpegApi* Ffmpeg();

} // namespace vantor::engine
