// Compressed article blocks: the block header and the decoder that expands a
// block's stream into article text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Article n is the RCDATA resource 1000 + n; the Article index is loaded as
// article 31767, i.e. resource 32767.
constexpr int kArticleResourceBase = 1000;
constexpr int kArticleCount = 57;
constexpr int kIndexArticleNumber = 31767;

// Block layout, all fields big-endian 16-bit: payload length (block size - 6),
// number, number again, compressed length S, text length U, S bytes of stream,
// four zero bytes.
constexpr size_t kBlockHeaderSize = 10;
constexpr size_t kBlockTrailerSize = 4;
constexpr size_t kPayloadOffset = 6;

enum UnCompressError : int {
    kUnCompressOk = 0,
    kNoSuchResource = 1,
    kResourceEmptyOrNoMemory = 2,
    kBadBlockLengths = 3,
    kEmptyText = 4,
    kBufferError = 5,
};

// Decoded text: U bytes of text, then a zero byte, then one spare byte (U + 2
// bytes in all). An empty vector means no text.
using ArticleText = std::vector<uint8_t>;

// Expands a block. payload points at the block from offset 6 on and holds
// available bytes (the resource's true size less 6); payloadLength is the
// header's first field. On failure the result is empty and *error (when given)
// tells why; on success *error is kUnCompressOk. The checks, in order:
// payloadLength below 5 or beyond available, S = 0 or the S stream bytes beyond
// available: kBadBlockLengths; U = 0: kEmptyText; no memory for the text:
// kResourceEmptyOrNoMemory; a stream that does not yield U bytes, or a unit
// that reaches past the stream or before the start of the text: kBufferError.
// The decoder never reads outside the S stream bytes nor past available bytes.
// Bytes a stream yields beyond U are dropped, as is input left over.
ArticleText UnCompress(const uint8_t* payload, size_t available, unsigned payloadLength, int* error);
