/* Pixwell: decodes PNG files into device-independent bitmaps and turns a
 * bitmap into a window region by treating magenta pixels as transparent.
 *
 * Ownership: the caller owns every buffer it passes in; a region returned by
 * CreateRgnFromPictureBox belongs to the caller until it is handed to
 * Pixwell_FreeRegion. Threads: single-threaded use only; one
 * exLoadPNG/exGetPNG pair must finish before the next begins, because the
 * decode between the two calls is kept inside the library.
 *
 * All integers in the blocks below are little-endian, as on every host the
 * library is built for. */
#ifndef PIXWELL_H
#define PIXWELL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define PIXWELL_API __attribute__((visibility("default")))
#else
#define PIXWELL_API
#endif

/* The bitmap information block filled by exLoadPNG: a 40-byte header in the
 * layout of a Windows BITMAPINFOHEADER followed by 256 palette entries. */
#define PIXWELL_BITMAP_INFO_SIZE 1064

typedef struct PixwellBitmapInfoHeader {
    uint32_t size;         /* 40 */
    int32_t width;         /* image width */
    int32_t height;        /* minus the image height: the top row comes first */
    uint16_t planes;       /* 1 */
    uint16_t bitCount;     /* 24 for truecolour, 8 for indexed */
    uint32_t compression;  /* 0, uncompressed */
    uint32_t sizeImage;    /* 0 */
    int32_t xPelsPerMeter; /* 0 */
    int32_t yPelsPerMeter; /* 0 */
    uint32_t clrUsed;      /* 0 */
    uint32_t clrImportant; /* 0 */
} PixwellBitmapInfoHeader;

typedef struct PixwellPaletteEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved; /* 0 */
} PixwellPaletteEntry;

/* The whole 1064-byte block. The palette is all zero for truecolour images
 * and past the file's palette for indexed ones. Pixel rows are padded to a
 * multiple of 4 bytes; truecolour pixels are stored blue, green, red. */
typedef struct PixwellBitmapInfo {
    PixwellBitmapInfoHeader header;
    PixwellPaletteEntry palette[256];
} PixwellBitmapInfo;

/* A bitmap handed to CreateRgnFromPictureBox: `height` rows of 32-bit
 * 0x00RRGGBB pixels, top row first, each row `stride` pixels after the one
 * before (stride >= width). The caller owns the struct and its pixels. */
typedef struct PixwellBitmap {
    int32_t width;
    int32_t height;
    int32_t stride;
    const uint32_t* pixels;
} PixwellBitmap;

/* Left, top, right, bottom; right and bottom are exclusive. */
typedef struct PixwellRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} PixwellRect;

/* A region as one block of `regionSize` bytes: this 32-byte header followed
 * directly by `count` 16-byte PixwellRect, one per run of opaque pixels in a
 * row, top row first and left to right. Read the rectangles from the bytes
 * after the header, e.g. (const PixwellRect*)(region + 1) in C. */
typedef struct PixwellRegion {
    uint32_t headerSize; /* 32 */
    uint32_t type;       /* 1, rectangles */
    uint32_t count;      /* number of rectangles */
    uint32_t regionSize; /* (count + 2) * 16, the size of the whole block */
    PixwellRect bounds;  /* 0, 0, bitmap width, bitmap height */
} PixwellRegion;

/* Decodes the PNG file at `path` (8-bit truecolour or indexed, not
 * interlaced). On success returns 1, fills the 1064 bytes at `bitmapInfo`
 * and stores the size of the pixel data in `*pixelSize`; the pixels stay in
 * the library until exGetPNG. Any failure returns 0, after which the block
 * and the size carry no meaning and exGetPNG must not be called. */
PIXWELL_API int32_t exLoadPNG(const char* path, void* bitmapInfo, int32_t* pixelSize);

/* Copies the pixels of the last successful exLoadPNG into `pixels` (at
 * least *pixelSize bytes) and frees the library's copy. Returns 1 when it
 * copied, 0 when `pixels` is null or no decoded picture is waiting. */
PIXWELL_API int32_t exGetPNG(void* pixels);

/* Builds the region of the non-magenta pixels of `bitmap` and writes the
 * bounding box of those pixels to `*opaqueBounds` ((0, 0, 1, 1) when every
 * pixel is magenta, and then the region is empty). Returns the new region,
 * or null when the bitmap is unusable or memory runs out. */
PIXWELL_API PixwellRegion* CreateRgnFromPictureBox(const PixwellBitmap* bitmap,
                                                   PixwellRect* opaqueBounds);

/* Releases a region from CreateRgnFromPictureBox; null is ignored. */
PIXWELL_API void Pixwell_FreeRegion(PixwellRegion* region);

/* The library version, 1.0. */
PIXWELL_API float Pixwell_GetVersion(void);

#ifdef __cplusplus
}
#endif

#endif /* PIXWELL_H */
