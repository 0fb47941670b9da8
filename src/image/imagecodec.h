#pragma once
// The whole-image translations: image -> editors (decode) and editors -> image (encode).

#include "image/memoryimage.h"
#include "image/radioconfig.h"

// What the editors show after the image is spread over them. Where a control would refuse a stored value
// (a position beyond its list, a band above 2) the value of `current` is kept. DTMF is not in the image and
// is taken from `current`.
RadioConfig decode(const MemoryImage &image, const RadioConfig &current);

// The write image built from the editors. Bytes that are never written (1938..1951), and bytes whose value
// does not fit (a position of -1, a number above 255), keep the content of `previous`.
MemoryImage encode(const RadioConfig &config, const MemoryImage &previous);
