#include "ChunkLoop.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <zlib.h>

/* PNG caps chunk lengths at 2^31 - 1. */
#define MAX_CHUNK_LENGTH 0x7FFFFFFFu
/* Enough of a chunk to apply its rule: IHDR needs 13 bytes and the largest
 * palette accepted is 768; longer payloads are only run through the CRC. */
#define KEPT_PAYLOAD 768u

static const uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

typedef struct FileReader {
    FILE* file;
    uint64_t remaining; /* bytes of the file not yet read */
} FileReader;

typedef struct Chunk {
    uint32_t length;
    char type[4];
    uint8_t head[KEPT_PAYLOAD]; /* the first bytes of the payload */
} Chunk;

static uint32_t BigEndian32(const uint8_t* b) {
    return ((uint32_t)b[0] << 24) | ((uint32_t)b[1] << 16) | ((uint32_t)b[2] << 8) | b[3];
}

static int ReadExact(FileReader* reader, void* into, size_t count) {
    if (count > reader->remaining || fread(into, 1, count, reader->file) != count)
        return 0;
    reader->remaining -= count;
    return 1;
}

/* Makes room for `extra` more bytes of image data. The total can never pass
 * the file size, which bounds the buffer. */
static int ReserveCompressed(PngState* state, size_t extra, uint64_t fileSize) {
    const size_t needed = state->compressedLength + extra;
    if (needed <= state->compressedCapacity)
        return 1;
    size_t capacity = state->compressedCapacity * 2;
    if (capacity < needed)
        capacity = needed;
    if (capacity > fileSize)
        capacity = needed;
    uint8_t* grown = realloc(state->compressedData, capacity);
    if (!grown)
        return 0;
    state->compressedData = grown;
    state->compressedCapacity = capacity;
    return 1;
}

/* Reads the payload through the CRC: IDAT straight into compressedData,
 * anything else keeping only its first KEPT_PAYLOAD bytes. */
static int ReadPayload(FileReader* reader, PngState* state, Chunk* chunk, uLong* crc,
                       uint64_t fileSize) {
    if (memcmp(chunk->type, "IDAT", 4) == 0) {
        if (chunk->length == 0)
            return 1;
        if (!ReserveCompressed(state, chunk->length, fileSize))
            return 0;
        uint8_t* tail = state->compressedData + state->compressedLength;
        if (!ReadExact(reader, tail, chunk->length))
            return 0;
        *crc = crc32(*crc, tail, chunk->length);
        return 1;
    }
    uint8_t block[4096];
    uint32_t left = chunk->length;
    uint32_t offset = 0;
    while (left > 0) {
        const uint32_t count = left < sizeof block ? left : (uint32_t)sizeof block;
        if (!ReadExact(reader, block, count))
            return 0;
        *crc = crc32(*crc, block, count);
        if (offset < KEPT_PAYLOAD) {
            const uint32_t keep = KEPT_PAYLOAD - offset < count ? KEPT_PAYLOAD - offset : count;
            memcpy(chunk->head + offset, block, keep);
        }
        offset += count;
        left -= count;
    }
    return 1;
}

static int AcceptHeader(PngState* state, const Chunk* chunk) {
    /* A header shorter than its 13 fields cannot be read; refusing it keeps
     * the fields from coming out of thin air. */
    if (state->headerSeen || chunk->length < 13)
        return 0;
    const uint8_t* p = chunk->head;
    const uint32_t width = BigEndian32(p);
    const uint32_t height = BigEndian32(p + 4);
    const uint8_t bitDepth = p[8];
    const uint8_t colourType = p[9];
    const uint8_t interlace = p[12];
    if (width == 0 || height == 0 || bitDepth != 8 || (colourType != 2 && colourType != 3) ||
        interlace != 0)
        return 0;
    state->width = width;
    state->height = height;
    state->bitDepth = bitDepth;
    state->colourType = colourType;
    state->compressionMethod = p[10];
    state->filterMethod = p[11];
    state->interlaceMethod = interlace;
    state->headerSeen = 1;
    return 1;
}

static int AcceptPalette(PngState* state, const Chunk* chunk) {
    if (!state->headerSeen || chunk->length == 0 || chunk->length % 3 != 0 || chunk->length > 768)
        return 0;
    for (uint32_t i = 0; i < chunk->length / 3; ++i) {
        state->palette[i * 4 + 0] = chunk->head[i * 3 + 2];
        state->palette[i * 4 + 1] = chunk->head[i * 3 + 1];
        state->palette[i * 4 + 2] = chunk->head[i * 3 + 0];
        state->palette[i * 4 + 3] = 0;
    }
    state->paletteSeen = 1;
    return 1;
}

static int AcceptEnd(PngState* state) {
    if (!state->headerSeen || !state->dataSeen || (state->colourType == 3 && !state->paletteSeen))
        return 0;
    state->endSeen = 1;
    return 1;
}

/* Applies the chunk rule; 0 when the chunk is refused. Chunks of any other
 * type, ancillary or not, are accepted and ignored. */
static int Dispatch(PngState* state, const Chunk* chunk) {
    if (memcmp(chunk->type, "IHDR", 4) == 0)
        return AcceptHeader(state, chunk);
    if (memcmp(chunk->type, "PLTE", 4) == 0)
        return AcceptPalette(state, chunk);
    if (memcmp(chunk->type, "IDAT", 4) == 0) {
        if (!state->headerSeen)
            return 0;
        state->compressedLength += chunk->length;
        state->dataSeen = 1;
        return 1;
    }
    if (memcmp(chunk->type, "IEND", 4) == 0)
        return AcceptEnd(state);
    return 1;
}

static int ReadOneChunk(FileReader* reader, PngState* state, Chunk* chunk, uint64_t fileSize) {
    uint8_t lengthAndType[8];
    uint8_t storedCrc[4];
    if (!ReadExact(reader, lengthAndType, 8))
        return 0;
    chunk->length = BigEndian32(lengthAndType);
    memcpy(chunk->type, lengthAndType + 4, 4);
    /* A length the rest of the file cannot hold is refused before anything
     * is allocated for it. */
    if (chunk->length > MAX_CHUNK_LENGTH || (uint64_t)chunk->length + 4 > reader->remaining)
        return 0;
    uLong crc = crc32(0L, lengthAndType + 4, 4);
    if (!ReadPayload(reader, state, chunk, &crc, fileSize) || !ReadExact(reader, storedCrc, 4))
        return 0;
    if (BigEndian32(storedCrc) != (uint32_t)crc)
        return 0;
    return Dispatch(state, chunk);
}

static int ReadFromFile(FILE* file, PngState* state) {
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || info.st_size < 0)
        return 0;
    const uint64_t fileSize = (uint64_t)info.st_size;
    FileReader reader = {file, fileSize};
    uint8_t signature[8];
    if (!ReadExact(&reader, signature, 8) || memcmp(signature, kSignature, 8) != 0)
        return 0;
    Chunk chunk;
    while (!state->endSeen) {
        if (!ReadOneChunk(&reader, state, &chunk, fileSize))
            return 0;
    }
    return 1;
}

int ReadPngChunks(const char* path, PngState* state) {
    FILE* file = fopen(path, "rb");
    if (!file)
        return 0;
    const int ok = ReadFromFile(file, state);
    fclose(file);
    return ok;
}
