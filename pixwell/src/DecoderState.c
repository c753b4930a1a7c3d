#include "DecoderState.h"

#include <stdlib.h>
#include <string.h>

void PngState_Free(PngState* state) {
    free(state->compressedData);
    free(state->rawData);
    free(state->pixelData);
    memset(state, 0, sizeof *state);
}

void PngState_FreeWorkBuffers(PngState* state) {
    free(state->compressedData);
    free(state->rawData);
    state->compressedData = NULL;
    state->compressedLength = 0;
    state->compressedCapacity = 0;
    state->rawData = NULL;
}

uint32_t PngState_BytesPerPixel(const PngState* state) {
    return state->colourType == 2 ? 3u : 1u;
}
