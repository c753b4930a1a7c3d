/* Reads a PNG file into the decoder state: the signature, then every chunk
 * up to and including IEND, with each chunk's CRC checked and the chunk
 * rules applied. IDAT payloads are concatenated into compressedData. */
#ifndef PIXWELL_CHUNK_LOOP_H
#define PIXWELL_CHUNK_LOOP_H

#include "DecoderState.h"

/* 1 when IEND was accepted, 0 on any failure (the state may then hold
 * partial buffers, released by the next PngState_Free). */
int ReadPngChunks(const char* path, PngState* state);

#endif
