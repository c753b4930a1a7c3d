/* The state of one PNG decode, kept between exLoadPNG and exGetPNG. The
 * library holds one instance; buffers are owned by the state and released
 * by PngState_Free. */
#ifndef PIXWELL_DECODER_STATE_H
#define PIXWELL_DECODER_STATE_H

#include <stddef.h>
#include <stdint.h>

#define PNG_BITMAP_INFO_SIZE 1064
#define PNG_PALETTE_ENTRIES 256

typedef struct PngState {
    uint32_t width;
    uint32_t height;
    uint8_t bitDepth;
    uint8_t colourType;
    uint8_t compressionMethod;
    uint8_t filterMethod;
    uint8_t interlaceMethod;

    int headerSeen;
    int paletteSeen;
    int dataSeen;
    int endSeen;

    /* {blue, green, red, 0} per entry; entries beyond PLTE stay 0. */
    uint8_t palette[PNG_PALETTE_ENTRIES * 4];

    uint8_t* compressedData;
    size_t compressedLength;
    size_t compressedCapacity;

    uint32_t rowBytes; /* one scanline with its filter byte */
    uint32_t rawSize;  /* height * rowBytes */
    uint8_t* rawData;

    uint8_t bitmapInfo[PNG_BITMAP_INFO_SIZE];
    uint8_t* pixelData;
    uint32_t pixelSize;
} PngState;

/* Frees every buffer and clears every field. */
void PngState_Free(PngState* state);

/* Frees the compressed and inflated data, keeping the finished bitmap. */
void PngState_FreeWorkBuffers(PngState* state);

/* Bytes per pixel of a supported image: 3 for truecolour, 1 for indexed. */
uint32_t PngState_BytesPerPixel(const PngState* state);

#endif
