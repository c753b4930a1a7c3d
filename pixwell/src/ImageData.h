/* Turns the concatenated image data of a decoder state into the final
 * bitmap: inflate, unfilter, convert to bitmap rows with the information
 * block. Each step returns 1 on success and 0 on failure. */
#ifndef PIXWELL_IMAGE_DATA_H
#define PIXWELL_IMAGE_DATA_H

#include "DecoderState.h"

/* Checks that the image sizes fit their 32-bit fields and that the image
 * data can inflate to them at all, then inflates into rawData. */
int InflateImageData(PngState* state);

/* Reverses the five scanline filters in place over rawData. */
int UnfilterScanlines(PngState* state);

/* Fills bitmapInfo and turns the unfiltered scanlines into the padded
 * bitmap rows in place; pixelData takes over the buffer. */
int ConvertToBitmap(PngState* state);

#endif
