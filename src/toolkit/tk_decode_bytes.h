// Reading the decoders' byte layouts: little- and big-endian numbers and the PNG signature. Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

inline uint32_t TkReadLittle16(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8;
}

inline uint32_t TkReadLittle32(const uint8_t* p)
{
    return TkReadLittle16(p) | TkReadLittle16(p + 2) << 16;
}

inline uint32_t TkReadBig32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           static_cast<uint32_t>(p[3]);
}

inline constexpr uint8_t TkPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Whether length bytes at data begin with the PNG signature.
inline bool TkHasPngSignature(const uint8_t* data, size_t length)
{
    return data != nullptr && length >= sizeof(TkPngSignature) && std::memcmp(data, TkPngSignature, 8) == 0;
}
