// The block decoder on blocks made by the encoder and on hand-made streams and
// damaged blocks, and the encoder's streams read by a walker of their own. How
// well the encoder does on the real articles is checked on the built library.
#include "store/compression.h"
#include "tools/encoder/block_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

unsigned Field(const Bytes& block, size_t offset) { return (block[offset] << 8) | block[offset + 1]; }

// Decodes a whole resource the way the loader does, from an exact-size copy so
// that the sanitizer sees any read past its end.
ArticleText DecodeResource(const Bytes& resource, int* error) {
    auto copy = std::make_unique<uint8_t[]>(resource.size());
    std::copy(resource.begin(), resource.end(), copy.get());
    const unsigned payloadLength = resource.size() >= 2 ? Field(resource, 0) : 0;
    const size_t available = resource.size() > kPayloadOffset ? resource.size() - kPayloadOffset : 0;
    return UnCompress(copy.get() + std::min(resource.size(), kPayloadOffset), available, payloadLength, error);
}

// A block around a stream: payload length S + 8, the two numbers, S, U, the
// stream and the zero trailer.
Bytes MakeBlock(const Bytes& stream, size_t textLength, unsigned number = 1, unsigned numberAgain = 1) {
    Bytes block;
    for (size_t field : {stream.size() + 8, size_t{number}, size_t{numberAgain}, stream.size(), textLength}) {
        block.insert(block.end(), {uint8_t(field >> 8), uint8_t(field)});
    }
    block.insert(block.end(), stream.begin(), stream.end());
    block.insert(block.end(), 4, 0);
    return block;
}

Bytes WithPayloadLength(Bytes block, size_t payloadLength) {
    block[0] = static_cast<uint8_t>(payloadLength >> 8);
    block[1] = static_cast<uint8_t>(payloadLength);
    return block;
}

// What a stream's units look like, read without the decoder.
struct StreamSummary {
    std::string fault;  // empty when every unit is well formed
    size_t produced = 0;
    size_t runs = 0;
    size_t farthest = 0;
    bool mergeableRuns = false;  // two adjacent literal runs that would fit in one
};

StreamSummary WalkStream(const Bytes& stream) {
    StreamSummary summary;
    size_t previousRun = 0;
    for (size_t i = 0; i < stream.size() && summary.fault.empty();) {
        const uint8_t b = stream[i];
        const size_t run = b >= 0x01 && b <= 0x08 ? b : 0;
        const bool reference = b >= 0x80 && b <= 0xBF;
        const size_t unitSize = reference ? 2 : 1 + run;
        if (i + unitSize > stream.size()) {
            summary.fault = "unit past the end";
            break;
        }
        if (reference) {
            const size_t distance = ((b & 0x3F) << 5) | (stream[i + 1] >> 3);
            if (distance == 0 || distance > summary.produced) summary.fault = "distance out of the window";
            summary.farthest = std::max(summary.farthest, distance);
            summary.produced += (stream[i + 1] & 7) + 3;
        } else {
            summary.produced += run != 0 ? run : b >= 0xC0 ? 2 : 1;
        }
        summary.runs += run != 0 ? 1 : 0;
        summary.mergeableRuns = summary.mergeableRuns || (run != 0 && previousRun != 0 && run + previousRun <= 8);
        previousRun = run;
        i += unitSize;
    }
    return summary;
}

Bytes RandomBytes(unsigned seed, size_t size, int low = 0, int high = 255) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(low, high);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(byte(random));
    return bytes;
}

// A 10-byte pattern of high bytes, filler that never repeats it, and the
// pattern again at the given distance.
Bytes PatternAtDistance(size_t distance) {
    const Bytes pattern = RandomBytes(7, 10, 0xF0, 0xFF);
    Bytes text = pattern;
    const Bytes filler = RandomBytes(8, distance - 10, 0x21, 0x7E);
    text.insert(text.end(), filler.begin(), filler.end());
    text.insert(text.end(), pattern.begin(), pattern.end());
    return text;
}

// A letter and a high byte in turn: only overlapping references repeat it.
Bytes Alternating(size_t size) {
    Bytes text(size);
    for (size_t k = 0; k < size; ++k) text[k] = k % 2 ? 0x81 : 0x62;
    return text;
}

Bytes Compressed(const Bytes& text) { return CompressStream(text.data(), text.size()); }

}  // namespace

TEST(BlockEncoder, BlocksDecodeToTheirTextAndHoldOnlyWellFormedUnits) {
    std::vector<std::pair<std::string, Bytes>> texts;
    for (int b : {0x00, 0x01, 0x08, 0x09, 0x7F, 0x80, 0xBF, 0xC0, 0xFF}) {
        texts.push_back({"byte " + std::to_string(b), {uint8_t(b)}});
    }
    Bytes pairs;
    for (int k = 0; k < 999; ++k) pairs.insert(pairs.end(), {0x20, uint8_t(0x40 + k % 64)});
    texts.insert(texts.end(), {{"random bytes", RandomBytes(1, 5000)}, {"low codes", RandomBytes(4, 65535, 0, 15)},
                               {"65535 zeros", Bytes(65535, 0x00)}, {"high bytes", Bytes(3001, 0xFF)},
                               {"letters", RandomBytes(5, 777, 0x61, 0x7B)}, {"space pairs", pairs},
                               {"distance 2047", PatternAtDistance(2047)}, {"distance 2048", PatternAtDistance(2048)},
                               {"alternating", Alternating(301)}});
    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        const Bytes block = EncodeBlock(text, 42, 0x1234);
        ASSERT_GE(block.size(), kBlockHeaderSize + kBlockTrailerSize + 1);
        const Bytes stream(block.begin() + kBlockHeaderSize, block.end() - kBlockTrailerSize);
        EXPECT_EQ(block, MakeBlock(stream, text.size(), 42, 0x1234));
        const StreamSummary summary = WalkStream(stream);
        EXPECT_EQ(summary.fault, "");
        EXPECT_EQ(summary.produced, text.size());
        EXPECT_FALSE(summary.mergeableRuns);
        int error = -1;
        const ArticleText decoded = DecodeResource(block, &error);
        EXPECT_EQ(error, kUnCompressOk);
        ASSERT_EQ(decoded.size(), text.size() + 2);
        EXPECT_TRUE(std::equal(text.begin(), text.end(), decoded.begin()));
        EXPECT_EQ(decoded[text.size()], 0);
    }
}

TEST(BlockEncoder, Compresses) {
    EXPECT_EQ(Compressed({' ', 'a', ' ', 'B'}), (Bytes{0xE1, 0xC2})) << "a space and a letter take one byte";
    // A passage read again and again costs little more than its first copy.
    const Bytes passage = RandomBytes(10, 500);
    Bytes repeated;
    for (int k = 0; k < 40; ++k) repeated.insert(repeated.end(), passage.begin(), passage.end());
    EXPECT_LT(Compressed(repeated).size(), Compressed(passage).size() + repeated.size() / 4);
    // Short patterns repeat through overlapping references of 10 bytes each.
    for (const Bytes& text : {Bytes(1000, 0xE5), Bytes(1000, 0x00), Alternating(300)}) {
        EXPECT_LE(Compressed(text).size(), text.size() / 5 + 4);
    }
    // The high bytes of the first pattern need two literal runs; the second
    // copy is one back-reference when it lies within reach, else two runs more.
    const StreamSummary within = WalkStream(Compressed(PatternAtDistance(2047)));
    EXPECT_EQ(within.farthest, 2047u);
    EXPECT_EQ(within.runs, 2u);
    EXPECT_EQ(WalkStream(Compressed(PatternAtDistance(2048))).runs, 4u);
}

TEST(BlockEncoder, RefusesTextsThatDoNotFitABlock) {
    EXPECT_TRUE(CompressStream(nullptr, 0).empty());
    EXPECT_THROW(EncodeBlock({}, 1, 1), std::length_error);
    EXPECT_THROW(EncodeBlock(Bytes(65536, 0x61), 1, 1), std::length_error);
    // Distinct high bytes need a literal run header for every eight of them.
    EXPECT_THROW(EncodeBlock(RandomBytes(11, 65535, 0x80, 0xFF), 1, 1), std::length_error);
    EXPECT_NO_THROW(EncodeBlock(Bytes(65535, 0x61), 1, 1));
}

// Output beyond the text length U is dropped, and so is input left over.
TEST(UnCompress, DecodesEveryKindOfUnitUpToTheTextLength) {
    const struct {
        const char* name;
        Bytes stream;
        Bytes text;
    } cases[] = {
        {"plain bytes", {0x00, 0x09, 0x41, 0x7F}, {0x00, 0x09, 0x41, 0x7F}},
        {"literal run of one", {0x01, 0xD1}, {0xD1}},
        {"literal run of eight", {0x08, 1, 2, 3, 4, 5, 6, 7, 0xFF}, {1, 2, 3, 4, 5, 6, 7, 0xFF}},
        {"space pairs", {0xC1, 0xC0, 0xFF}, {0x20, 0x41, 0x20, 0x40, 0x20, 0x7F}},
        {"back-reference", {'a', 'b', 'c', 0x80, 3 << 3}, {'a', 'b', 'c', 'a', 'b', 'c'}},
        {"overlapping back-reference", {'a', 'b', 0x80, (2 << 3) | 1}, {'a', 'b', 'a', 'b', 'a', 'b'}},
        {"distance 1 length 10", {'x', 0x80, (1 << 3) | 7}, Bytes(11, 'x')},
        {"text ending in zeros", {0x41, 0x00, 0x00}, {0x41, 0x00, 0x00}},
        {"more units than needed", {'A', 'B', 'C'}, {'A', 'B'}},
        {"literal run cut", {0x03, 0x81, 0x82, 0x83}, {0x81}},
        {"back-reference cut", {'A', 0x80, (1 << 3) | 7}, {'A', 'A', 'A', 'A'}},
        {"space pair keeps only its space", {'A', 0xC1}, {'A', 0x20}},
        {"input left over is not read", {'A', 0x80, 0x00, 0x05}, {'A'}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int error = -1;
        const ArticleText text = DecodeResource(MakeBlock(c.stream, c.text.size()), &error);
        EXPECT_EQ(error, kUnCompressOk);
        ASSERT_EQ(text.size(), c.text.size() + 2);
        EXPECT_TRUE(std::equal(c.text.begin(), c.text.end(), text.begin()));
        EXPECT_EQ(text[c.text.size()], 0);
    }
}

TEST(UnCompress, RefusesMalformedBlocks) {
    Bytes streamBeyondResource = WithPayloadLength(MakeBlock({'A', 'B'}, 2), 5);
    streamBeyondResource.resize(11);
    const struct {
        const char* name;
        Bytes resource;
        int error;
    } cases[] = {
        {"payload length 4", WithPayloadLength(MakeBlock({'A'}, 1), 4), kBadBlockLengths},
        {"payload length beyond the resource", WithPayloadLength(MakeBlock({'A'}, 1), 10), kBadBlockLengths},
        {"stream beyond the resource", streamBeyondResource, kBadBlockLengths},
        {"stream length 0", MakeBlock({}, 1), kBadBlockLengths},
        {"text length 0", MakeBlock({'A'}, 0), kEmptyText},
        {"stream ends early", MakeBlock({'A', 0xC2}, 5), kBufferError},
        {"distance 0", MakeBlock({'A', 0x80, 0x00}, 4), kBufferError},
        {"distance beyond the text", MakeBlock({'A', 'B', 0x80, 3 << 3}, 5), kBufferError},
        {"far distance beyond the text", MakeBlock({'A', 0xBF, 0xF8}, 4), kBufferError},
        {"back-reference cut short", MakeBlock({'A', 0x80}, 4), kBufferError},
        {"literal run beyond the stream", MakeBlock({0x03, 0x81, 0x82}, 2), kBufferError},
        {"literal run beyond the stream past the text length", MakeBlock({0x03, 0x81}, 1), kBufferError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int error = -1;
        EXPECT_TRUE(DecodeResource(c.resource, &error).empty());
        EXPECT_EQ(error, c.error);
    }
    EXPECT_TRUE(UnCompress(nullptr, 0, 600, nullptr).empty());
}

TEST(UnCompress, ReadsTheHeaderBigEndian) {
    // 02 4B 00 01 00 01 02 43 04 8C: a 579-byte stream that yields 1164 bytes.
    Bytes stream = {'z'};
    for (int k = 0; k < 73; ++k) stream.insert(stream.end(), {0x80, (1 << 3) | 7});
    stream.insert(stream.end(), {0x80, 1 << 3});
    stream.resize(579, 'y');
    const Bytes block = MakeBlock(stream, 1164);
    const Bytes header = {0x02, 0x4B, 0x00, 0x01, 0x00, 0x01, 0x02, 0x43, 0x04, 0x8C};
    ASSERT_EQ(Bytes(block.begin(), block.begin() + 10), header);
    int error = -1;
    const ArticleText text = DecodeResource(block, &error);
    EXPECT_EQ(error, kUnCompressOk);
    ASSERT_EQ(text.size(), 1166u);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'z'), 734);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'y'), 430);
}

TEST(UnCompress, NeverReadsPastATruncatedResource) {
    const Bytes block = EncodeBlock(RandomBytes(12, 3000, 0x61, 0x64), 7, 7);
    const size_t streamEnd = Field(block, 6) + kBlockHeaderSize;
    // The payload length counts the trailer, so only the whole block passes;
    // with a payload length that leaves the trailer out, the stream must be whole.
    const Bytes withoutTrailer = WithPayloadLength(block, streamEnd - kPayloadOffset);
    for (size_t size = 0; size <= block.size(); ++size) {
        SCOPED_TRACE(size);
        int error = -1;
        EXPECT_EQ(DecodeResource(Bytes(block.begin(), block.begin() + size), &error).empty(), size < block.size());
        EXPECT_EQ(error, size == block.size() ? kUnCompressOk : kBadBlockLengths);
        const Bytes cut(withoutTrailer.begin(), withoutTrailer.begin() + size);
        EXPECT_EQ(DecodeResource(cut, &error).empty(), size < streamEnd);
        EXPECT_EQ(error, size >= streamEnd ? kUnCompressOk : kBadBlockLengths);
    }
}
