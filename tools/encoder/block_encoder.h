// The article block encoder: compresses article text into the units that the
// decoder reads, and wraps the stream in a block with its header and trailer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Compresses text into a stream of units: literal runs of 1..8 bytes, plain
// bytes 0x00 and 0x09..0x7F, back-references of distance 1..2047 and length
// 3..10, and space pairs. The units are chosen to make the stream as short as
// these units allow for the matches found, so two adjacent literal runs always
// hold more than 8 bytes together. An empty text gives an empty stream.
std::vector<uint8_t> CompressStream(const uint8_t* text, size_t size);

// A whole block: payload length, number, number again, stream length, text
// length (big-endian 16-bit each), the stream, four zero bytes. Throws
// std::length_error when the text is empty or longer than 65535 bytes, or when
// its stream is longer than 65527 bytes (the payload length, stream + 8, must
// fit in 16 bits).
std::vector<uint8_t> EncodeBlock(const std::vector<uint8_t>& text, uint16_t number, uint16_t numberAgain);
