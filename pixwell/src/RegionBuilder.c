/* The region half of the library's interface: one rectangle per run of
 * non-magenta pixels in a row, never merged across rows. */
#include "pixwell.h"

#include <stdlib.h>
#include <string.h>

#define MAGENTA 0x00FF00FFu
#define RGB_BITS 0x00FFFFFFu
#define HEADER_SLOTS 2u /* the 32-byte header takes two rectangle slots */

typedef struct RunScan {
    PixwellRect* rects;
    uint32_t count;
    PixwellRect box; /* left, top, largest x, largest y of opaque pixels */
} RunScan;

static int IsTransparent(uint32_t pixel) {
    return (pixel & RGB_BITS) == MAGENTA;
}

static void AddRun(RunScan* scan, int32_t x0, int32_t x1, int32_t y) {
    const PixwellRect run = {x0, y, x1, y + 1};
    scan->rects[scan->count++] = run;
    if (x0 < scan->box.left)
        scan->box.left = x0;
    if (y < scan->box.top)
        scan->box.top = y;
    if (x1 - 1 > scan->box.right)
        scan->box.right = x1 - 1;
    if (y > scan->box.bottom)
        scan->box.bottom = y;
}

static void ScanRow(RunScan* scan, const uint32_t* row, int32_t width, int32_t y) {
    int32_t x = 0;
    while (x < width) {
        if (IsTransparent(row[x])) {
            ++x;
            continue;
        }
        const int32_t x0 = x;
        while (x < width && !IsTransparent(row[x]))
            ++x;
        AddRun(scan, x0, x, y);
    }
}

static int BitmapIsUsable(const PixwellBitmap* bitmap) {
    return bitmap && bitmap->pixels && bitmap->width > 0 && bitmap->height > 0 &&
           bitmap->stride >= bitmap->width;
}

/* Room for the worst case at once: a row of w pixels holds at most
 * (w + 1) / 2 runs, since runs are separated by transparent pixels. The
 * list never grows; it is trimmed to the runs found at the end. */
static size_t WorstCaseSlots(const PixwellBitmap* bitmap) {
    const uint64_t perRow = ((uint64_t)bitmap->width + 1u) / 2u;
    const uint64_t slots = perRow * (uint64_t)bitmap->height + HEADER_SLOTS;
    if (slots > SIZE_MAX / sizeof(PixwellRect) || slots > UINT32_MAX / sizeof(PixwellRect))
        return 0;
    return (size_t)slots;
}

static PixwellRegion* FinishRegion(PixwellRect* slots, const RunScan* scan,
                                   const PixwellBitmap* bitmap) {
    const size_t size = ((size_t)scan->count + HEADER_SLOTS) * sizeof(PixwellRect);
    PixwellRegion header;
    header.headerSize = sizeof(PixwellRegion);
    header.type = 1;
    header.count = scan->count;
    header.regionSize = (uint32_t)size;
    header.bounds.left = 0;
    header.bounds.top = 0;
    header.bounds.right = bitmap->width;
    header.bounds.bottom = bitmap->height;
    memcpy(slots, &header, sizeof header);
    PixwellRegion* trimmed = realloc(slots, size);
    return trimmed ? trimmed : (PixwellRegion*)slots;
}

PixwellRegion* CreateRgnFromPictureBox(const PixwellBitmap* bitmap, PixwellRect* opaqueBounds) {
    if (!BitmapIsUsable(bitmap) || !opaqueBounds)
        return NULL;
    const size_t slotCount = WorstCaseSlots(bitmap);
    PixwellRect* slots = slotCount ? malloc(slotCount * sizeof(PixwellRect)) : NULL;
    if (!slots)
        return NULL;
    RunScan scan = {slots + HEADER_SLOTS, 0, {INT32_MAX, INT32_MAX, -1, -1}};
    for (int32_t y = 0; y < bitmap->height; ++y)
        ScanRow(&scan, bitmap->pixels + (size_t)y * (size_t)bitmap->stride, bitmap->width, y);
    if (scan.count == 0) {
        const PixwellRect none = {0, 0, 1, 1};
        *opaqueBounds = none;
    } else {
        const PixwellRect box = {scan.box.left, scan.box.top, scan.box.right + 1,
                                 scan.box.bottom + 1};
        *opaqueBounds = box;
    }
    return FinishRegion(slots, &scan, bitmap);
}

void Pixwell_FreeRegion(PixwellRegion* region) {
    free(region);
}
