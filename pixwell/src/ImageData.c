#include "ImageData.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <zlib.h>

/* Deflate cannot expand one input byte to more than 1032 output bytes, so
 * image data that claims more was never going to inflate; refusing it first
 * keeps a tiny file from allocating gigabytes. */
#define MAX_INFLATE_RATIO 1032u

static uint64_t PixelStride(const PngState* state) {
    const uint64_t rowLength = (uint64_t)state->width * PngState_BytesPerPixel(state);
    return (rowLength + 3u) & ~(uint64_t)3u;
}

static int SizesAreSound(PngState* state) {
    const uint64_t rowBytes = (uint64_t)state->width * PngState_BytesPerPixel(state) + 1u;
    const uint64_t rawSize = rowBytes * state->height;
    const uint64_t pixelSize = PixelStride(state) * state->height;
    if (rawSize > UINT32_MAX || pixelSize > INT32_MAX || state->compressedLength > UINT32_MAX)
        return 0;
    if (rawSize > (uint64_t)state->compressedLength * MAX_INFLATE_RATIO)
        return 0;
    state->rowBytes = (uint32_t)rowBytes;
    state->rawSize = (uint32_t)rawSize;
    return 1;
}

int InflateImageData(PngState* state) {
    if (!SizesAreSound(state))
        return 0;
    /* Rows are converted in place later, so the buffer also has room for
     * the padded bitmap rows when those are the larger. */
    const uint64_t pixelSize = PixelStride(state) * state->height;
    const size_t capacity = (size_t)(pixelSize > state->rawSize ? pixelSize : state->rawSize);
    state->rawData = malloc(capacity);
    if (!state->rawData)
        return 0;
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (inflateInit(&stream) != Z_OK)
        return 0;
    stream.next_in = state->compressedData;
    stream.avail_in = (uInt)state->compressedLength;
    stream.next_out = state->rawData;
    stream.avail_out = state->rawSize;
    int result;
    do {
        result = inflate(&stream, Z_FINISH);
    } while (result == Z_OK);
    /* A stream that ends early leaves the missing rows zero (black) rather
     * than whatever the heap held. */
    memset(state->rawData + stream.total_out, 0, state->rawSize - stream.total_out);
    const int released = inflateEnd(&stream) == Z_OK;
    return result == Z_STREAM_END && released;
}

static uint8_t Paeth(uint8_t a, uint8_t b, uint8_t c) {
    const int pa = abs((int)b - (int)c);
    const int pb = abs((int)a - (int)c);
    const int pc = abs((int)a + (int)b - 2 * (int)c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

/* `row` and `prior` exclude the filter byte; `prior` is all zeros for the
 * first row. */
static int UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* prior, size_t length,
                       size_t bpp) {
    switch (type) {
    case 0:
        return 1;
    case 1:
        for (size_t i = bpp; i < length; ++i)
            row[i] = (uint8_t)(row[i] + row[i - bpp]);
        return 1;
    case 2:
        for (size_t i = 0; i < length; ++i)
            row[i] = (uint8_t)(row[i] + prior[i]);
        return 1;
    case 3:
        for (size_t i = 0; i < bpp; ++i)
            row[i] = (uint8_t)(row[i] + (prior[i] >> 1));
        for (size_t i = bpp; i < length; ++i)
            row[i] = (uint8_t)(row[i] + ((row[i - bpp] + prior[i]) >> 1));
        return 1;
    case 4:
        for (size_t i = 0; i < bpp; ++i)
            row[i] = (uint8_t)(row[i] + prior[i]);
        for (size_t i = bpp; i < length; ++i)
            row[i] = (uint8_t)(row[i] + Paeth(row[i - bpp], prior[i], prior[i - bpp]));
        return 1;
    default:
        return 0;
    }
}

int UnfilterScanlines(PngState* state) {
    const size_t length = state->rowBytes - 1u;
    const size_t bpp = PngState_BytesPerPixel(state);
    uint8_t* zeros = calloc(length, 1);
    if (!zeros)
        return 0;
    const uint8_t* prior = zeros;
    int ok = 1;
    for (uint32_t y = 0; y < state->height && ok; ++y) {
        uint8_t* line = state->rawData + (size_t)y * state->rowBytes;
        ok = UnfilterRow(line[0], line + 1, prior, length, bpp);
        prior = line + 1;
    }
    free(zeros);
    return ok;
}

static void PutLittle32(uint8_t* at, uint32_t value) {
    at[0] = (uint8_t)value;
    at[1] = (uint8_t)(value >> 8);
    at[2] = (uint8_t)(value >> 16);
    at[3] = (uint8_t)(value >> 24);
}

static void FillBitmapInfo(PngState* state) {
    uint8_t* info = state->bitmapInfo;
    memset(info, 0, PNG_BITMAP_INFO_SIZE);
    PutLittle32(info + 0, 40);
    PutLittle32(info + 4, state->width);
    PutLittle32(info + 8, (uint32_t)(-(int64_t)state->height));
    info[12] = 1; /* planes */
    info[14] = state->colourType == 2 ? 24 : 8;
    if (state->colourType == 3)
        memcpy(info + 40, state->palette, sizeof state->palette);
}

/* Moves one row to its bitmap place, reversing truecolour pixels to blue,
 * green, red. When the row moves right it is walked from its end, so no
 * byte is overwritten before it was read. */
static void ConvertRow(uint8_t* out, const uint8_t* in, size_t length, int truecolour) {
    if (!truecolour) {
        memmove(out, in, length);
        return;
    }
    if (out <= in) {
        for (size_t i = 0; i < length; i += 3) {
            const uint8_t red = in[i], green = in[i + 1], blue = in[i + 2];
            out[i] = blue;
            out[i + 1] = green;
            out[i + 2] = red;
        }
        return;
    }
    for (size_t i = length; i > 0; i -= 3) {
        const uint8_t red = in[i - 3], green = in[i - 2], blue = in[i - 1];
        out[i - 3] = blue;
        out[i - 2] = green;
        out[i - 1] = red;
    }
}

static void ConvertRowAt(PngState* state, uint32_t y, size_t stride) {
    const size_t length = state->rowBytes - 1u;
    uint8_t* out = state->rawData + (size_t)y * stride;
    const uint8_t* in = state->rawData + (size_t)y * state->rowBytes + 1;
    ConvertRow(out, in, length, state->colourType == 2);
    memset(out + length, 0, stride - length);
}

/* The bitmap rows are built in the scanline buffer itself. Rows that are no
 * longer than their scanline move left and go top to bottom; longer rows
 * move right and go bottom to top, except the first, which always moves
 * left. Either way a row is written only over scanlines already used. */
int ConvertToBitmap(PngState* state) {
    const size_t stride = (size_t)PixelStride(state);
    FillBitmapInfo(state);
    if (stride <= state->rowBytes) {
        for (uint32_t y = 0; y < state->height; ++y)
            ConvertRowAt(state, y, stride);
    } else {
        for (uint32_t y = state->height; y-- > 0;)
            ConvertRowAt(state, y, stride);
    }
    state->pixelData = state->rawData;
    state->rawData = NULL;
    state->pixelSize = (uint32_t)(stride * state->height);
    return 1;
}
