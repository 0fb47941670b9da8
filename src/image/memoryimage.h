#pragma once
// One 3072-byte memory image of the radio (the read image or the write image).

#include "image/memorymap.h"

#include <array>
#include <cstdint>

using MemoryImage = std::array<std::uint8_t, mem::ImageSize>;

inline MemoryImage filledImage(std::uint8_t value) {
    MemoryImage image;
    image.fill(value);
    return image;
}
