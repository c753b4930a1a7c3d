/* The PNG half of the library's interface. The decode between exLoadPNG
 * and exGetPNG lives in one state of the library, as the two-call interface
 * requires. */
#include "pixwell.h"

#include "ChunkLoop.h"
#include "DecoderState.h"
#include "ImageData.h"

#include <string.h>

static PngState decoder;

static int Decode(const char* path) {
    return ReadPngChunks(path, &decoder) && InflateImageData(&decoder) &&
           UnfilterScanlines(&decoder) && ConvertToBitmap(&decoder);
}

int32_t exLoadPNG(const char* path, void* bitmapInfo, int32_t* pixelSize) {
    PngState_Free(&decoder);
    if (!path || !bitmapInfo || !pixelSize)
        return 0;
    if (!Decode(path)) {
        PngState_Free(&decoder);
        return 0;
    }
    /* Only the bitmap waits for exGetPNG; the intermediate buffers go now. */
    PngState_FreeWorkBuffers(&decoder);
    memcpy(bitmapInfo, decoder.bitmapInfo, PNG_BITMAP_INFO_SIZE);
    *pixelSize = (int32_t)decoder.pixelSize;
    return 1;
}

int32_t exGetPNG(void* pixels) {
    const int ready = pixels != NULL && decoder.pixelData != NULL;
    if (ready)
        memcpy(pixels, decoder.pixelData, decoder.pixelSize);
    PngState_Free(&decoder);
    return ready ? 1 : 0;
}

float Pixwell_GetVersion(void) {
    return 1.0f;
}
