// Fuzzes the article block decoder with whole resources (header and all) and
// checks what it promises: no read outside the resource, and on success a
// buffer of U + 2 bytes ending in zeros. Built twice: with VELMORA_ROUND_TRIP
// every decoded text also survives a trip through the encoder (slower);
// without it the decoder alone runs, many times faster.
#include "store/compression.h"
#include "tests/fuzz/require.h"
#include "tools/encoder/block_encoder.h"

#include <algorithm>
#include <stdexcept>

namespace {

ArticleText DecodeResource(const uint8_t* data, size_t size, int* error) {
    const unsigned payloadLength = size >= 2 ? (data[0] << 8) | data[1] : 0;
    const size_t available = size > kPayloadOffset ? size - kPayloadOffset : 0;
    return UnCompress(data + std::min(size, kPayloadOffset), available, payloadLength, error);
}

[[maybe_unused]] void CheckRoundTrip(const ArticleText& text, size_t length) {
    const std::vector<uint8_t> plain(text.begin(), text.begin() + length);
    std::vector<uint8_t> block;
    try {
        block = EncodeBlock(plain, 1, 1);
    } catch (const std::length_error&) {
        return;  // a text whose stream would not fit in a block
    }
    int error = -1;
    const ArticleText again = DecodeResource(block.data(), block.size(), &error);
    Require(error == kUnCompressOk, "an encoded block decodes");
    Require(std::equal(plain.begin(), plain.end(), again.begin(), again.begin() + length), "the round trip keeps the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int error = -1;
    const ArticleText text = DecodeResource(data, size, &error);
    if (text.empty()) {
        Require(error >= kResourceEmptyOrNoMemory && error <= kBufferError, "a failure has its code");
        return 0;
    }
    Require(error == kUnCompressOk, "success is reported");
    Require(size >= kBlockHeaderSize, "only a whole header can succeed");
    const size_t length = (static_cast<size_t>(data[8]) << 8) | data[9];
    Require(text.size() == length + 2, "the buffer holds U + 2 bytes");
    Require(text[length] == 0 && text[length + 1] == 0, "the text is followed by zeros");
#ifdef VELMORA_ROUND_TRIP
    CheckRoundTrip(text, length);
#endif
    return 0;
}
