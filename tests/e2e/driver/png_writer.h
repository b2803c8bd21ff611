#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixo::e2e {

// The bytes of a PNG file (8-bit RGB, no interlace) of a top-down picture of 0x00RRGGBB pixels. The image
// data is stored in uncompressed deflate blocks, so no compression library is needed; the files are larger
// than usual but exact.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint32_t> pixels);

// Writes EncodePng's bytes to `path`, creating the folder if needed. False when the file cannot be written.
bool WritePng(const std::wstring& path, int width, int height, std::span<const std::uint32_t> pixels);

// Checksums of the PNG format: CRC-32 (ISO 3309) of chunks and Adler-32 of the zlib stream.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace pixo::e2e
