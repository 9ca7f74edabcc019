// The decoder of compressed article blocks. It checks the block's declared
// lengths against the bytes that are really there, allocates the text once
// and expands the stream in one forward pass, refusing any unit that would
// read past the stream or copy from before the start of the text.
#include "store/compression.h"

#include <algorithm>
#include <new>

namespace {

unsigned ReadBigEndian16(const uint8_t* bytes) {
    return (static_cast<unsigned>(bytes[0]) << 8) | bytes[1];
}

void SetError(int* error, int code) {
    if (error != nullptr) *error = code;
}

// Expands the stream into text[0..length). Returns false when the stream ends
// before length bytes are made or holds a unit that reaches outside the stream
// or outside the text made so far.
bool DecodeStream(const uint8_t* stream, size_t streamLength, uint8_t* text, size_t length) {
    size_t i = 0;
    size_t o = 0;
    while (o < length && i < streamLength) {
        const uint8_t b = stream[i++];
        if (b == 0x00 || (b >= 0x09 && b <= 0x7F)) {
            text[o++] = b;
        } else if (b <= 0x08) {
            if (b > streamLength - i) return false;
            const size_t n = std::min<size_t>(b, length - o);
            std::copy(stream + i, stream + i + n, text + o);
            o += n;
            i += b;
        } else if (b >= 0xC0) {
            text[o++] = 0x20;
            if (o < length) text[o++] = b ^ 0x80;
        } else {
            if (i >= streamLength) return false;
            const uint8_t g = stream[i++];
            const size_t distance = (static_cast<size_t>(b & 0x3F) << 5) | (g >> 3);
            const size_t n = std::min<size_t>((g & 0x07) + 3, length - o);
            if (distance == 0 || distance > o) return false;
            // Byte by byte: a distance shorter than the length repeats the
            // last distance bytes.
            for (size_t k = 0; k < n; ++k, ++o) text[o] = text[o - distance];
        }
    }
    return o == length;
}

}  // namespace

ArticleText UnCompress(const uint8_t* payload, size_t available, unsigned payloadLength, int* error) {
    // A header that declares more bytes than the resource holds is refused
    // before anything is read, like the lengths that are too short.
    if (payloadLength < 5 || payloadLength > available) {
        SetError(error, kBadBlockLengths);
        return {};
    }
    const size_t streamLength = ReadBigEndian16(payload);
    const size_t textLength = ReadBigEndian16(payload + 2);
    const size_t streamOffset = kBlockHeaderSize - kPayloadOffset;
    if (streamLength == 0 || streamLength > available - streamOffset) {
        SetError(error, kBadBlockLengths);
        return {};
    }
    if (textLength == 0) {
        SetError(error, kEmptyText);
        return {};
    }
    ArticleText text;
    try {
        text.resize(textLength + 2);  // zero-filled: the terminator and the spare byte
    } catch (const std::bad_alloc&) {
        SetError(error, kResourceEmptyOrNoMemory);
        return {};
    }
    if (!DecodeStream(payload + streamOffset, streamLength, text.data(), textLength)) {
        SetError(error, kBufferError);
        return {};
    }
    SetError(error, kUnCompressOk);
    return text;
}
