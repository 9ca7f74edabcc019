#include "store/article_text.h"
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

// A block around a hand-made stream: payload length S + 8, numbers 1 and 1.
Bytes MakeBlock(const Bytes& stream, unsigned textLength) {
    const unsigned s = static_cast<unsigned>(stream.size());
    const unsigned payloadLength = s + 8;
    Bytes block = {uint8_t(payloadLength >> 8), uint8_t(payloadLength), 0, 1, 0, 1,
                   uint8_t(s >> 8), uint8_t(s), uint8_t(textLength >> 8), uint8_t(textLength)};
    block.insert(block.end(), stream.begin(), stream.end());
    block.insert(block.end(), 4, 0);
    return block;
}

Bytes WithPayloadLength(Bytes block, unsigned payloadLength) {
    block[0] = static_cast<uint8_t>(payloadLength >> 8);
    block[1] = static_cast<uint8_t>(payloadLength);
    return block;
}

// What a stream's units look like, read without the decoder.
struct StreamSummary {
    std::string fault;  // empty when every unit is well formed
    size_t produced = 0;
    size_t references = 0;
    size_t runs = 0;
    size_t farthest = 0;
    bool overlapping = false;
    bool mergeableRuns = false;  // two adjacent literal runs that would fit in one
};

StreamSummary WalkStream(const Bytes& stream) {
    StreamSummary summary;
    size_t previousRun = 0;
    for (size_t i = 0; i < stream.size() && summary.fault.empty();) {
        const uint8_t b = stream[i];
        size_t run = 0;
        if (b >= 0x01 && b <= 0x08) {
            if (i + 1 + b > stream.size()) summary.fault = "literal run past the end";
            run = b;
            ++summary.runs;
            summary.produced += b;
            i += 1 + b;
        } else if (b >= 0x80 && b <= 0xBF) {
            if (i + 2 > stream.size()) {
                summary.fault = "back-reference cut short";
                break;
            }
            const size_t distance = ((b & 0x3F) << 5) | (stream[i + 1] >> 3);
            const size_t length = (stream[i + 1] & 7) + 3;
            if (distance == 0 || distance > summary.produced) summary.fault = "distance out of the window";
            summary.farthest = std::max(summary.farthest, distance);
            summary.overlapping = summary.overlapping || distance < length;
            ++summary.references;
            summary.produced += length;
            i += 2;
        } else {
            summary.produced += b >= 0xC0 ? 2 : 1;
            ++i;
        }
        if (run != 0 && previousRun != 0 && run + previousRun <= 8) summary.mergeableRuns = true;
        previousRun = run;
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

// Paragraph records in the Hebrew codes: an attribute byte, a layout byte,
// words of letters and vowel points drawn from a small vocabulary with a few
// frequent words, a zero byte; the text ends with a zero attribute byte.
Bytes ArticleLikeText(unsigned seed, size_t size) {
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<Bytes> words(400);
    for (auto& word : words) {
        for (int letters = pick(2, 6); letters > 0; --letters) {
            word.push_back(static_cast<uint8_t>(pick(0, 3) == 0 ? pick(0x41, 0x58) : pick(0x61, 0x7A)));
            if (pick(0, 2) != 0) word.push_back(static_cast<uint8_t>(pick(0x15, 0x1F)));
        }
    }
    const uint8_t attributes[] = {kAttrTitle, kAttrSectionHeading, kAttrBody, kAttrBody, kAttrBody};
    Bytes text;
    while (text.size() < size) {
        text.push_back(attributes[pick(0, 4)]);
        text.push_back(static_cast<uint8_t>(pick(0, 0x7F) | 0x80));
        for (int count = pick(5, 60); count > 0; --count) {
            const Bytes& word = words[pick(0, pick(0, 399))];
            text.insert(text.end(), word.begin(), word.end());
            text.push_back(count > 1 ? 0x20 : 0x00);
        }
    }
    text.resize(size);
    text.back() = 0x00;
    return text;
}

// A 10-byte pattern of high bytes, filler that never repeats it, and the
// pattern again at the given distance.
Bytes PatternAtDistance(size_t distance) {
    Bytes text = RandomBytes(7, 10, 0xF0, 0xFF);
    const Bytes filler = RandomBytes(8, distance - 10, 0x21, 0x7E);
    const Bytes pattern = text;
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

struct NamedText {
    std::string name;
    Bytes text;
};

std::vector<NamedText> VariedTexts() {
    std::vector<NamedText> texts;
    for (int b : {0x00, 0x01, 0x08, 0x09, 0x20, 0x7F, 0x80, 0xBF, 0xC0, 0xFF}) {
        texts.push_back({"single byte " + std::to_string(b), Bytes{static_cast<uint8_t>(b)}});
    }
    Bytes everyValue(256);
    for (int b = 0; b < 256; ++b) everyValue[b] = static_cast<uint8_t>(b);
    texts.push_back({"every value once", everyValue});
    for (unsigned seed : {1u, 2u, 3u}) texts.push_back({"random bytes", RandomBytes(seed, 5000)});
    texts.push_back({"random low codes", RandomBytes(4, 20000, 0x00, 0x0F)});
    texts.push_back({"65535 zeros", Bytes(65535, 0x00)});
    texts.push_back({"spaces", Bytes(4000, 0x20)});
    texts.push_back({"high bytes", Bytes(3001, 0xFF)});
    Bytes pairs;
    for (int k = 0; k < 999; ++k) pairs.insert(pairs.end(), {0x20, uint8_t(0x40 + k % 64)});
    texts.push_back({"space pairs", pairs});
    texts.push_back({"article text", ArticleLikeText(5, 777)});
    texts.push_back({"65535 bytes of article text", ArticleLikeText(6, 65535)});
    texts.push_back({"match at distance 2047", PatternAtDistance(2047)});
    texts.push_back({"match at distance 2048", PatternAtDistance(2048)});
    texts.push_back({"alternating bytes", Alternating(301)});
    return texts;
}

struct StreamCase {
    const char* name;
    Bytes stream;
    Bytes text;
};

void ExpectDecodes(const StreamCase& c) {
    SCOPED_TRACE(c.name);
    int error = -1;
    const ArticleText text = DecodeResource(MakeBlock(c.stream, c.text.size()), &error);
    EXPECT_EQ(error, kUnCompressOk);
    ASSERT_EQ(text.size(), c.text.size() + 2);
    EXPECT_TRUE(std::equal(c.text.begin(), c.text.end(), text.begin()));
    EXPECT_EQ(text[c.text.size()], 0);
}

}  // namespace

TEST(UnCompress, RoundTripsEncodedTexts) {
    for (const auto& [name, text] : VariedTexts()) {
        SCOPED_TRACE(name);
        const Bytes block = EncodeBlock(text, 42, 0x1234);
        const unsigned s = Field(block, 6);
        ASSERT_EQ(block.size(), s + 14);
        EXPECT_EQ(Field(block, 0), s + 8);
        EXPECT_EQ(Field(block, 2), 42u);
        EXPECT_EQ(Field(block, 4), 0x1234u);
        EXPECT_EQ(Field(block, 8), text.size());
        EXPECT_TRUE(std::all_of(block.end() - 4, block.end(), [](uint8_t b) { return b == 0; }));
        int error = -1;
        const ArticleText decoded = DecodeResource(block, &error);
        EXPECT_EQ(error, kUnCompressOk);
        ASSERT_EQ(decoded.size(), text.size() + 2);
        EXPECT_TRUE(std::equal(text.begin(), text.end(), decoded.begin()));
        EXPECT_EQ(decoded[text.size()], 0);
    }
}

TEST(BlockEncoder, EmitsOnlyWellFormedUnits) {
    for (const auto& [name, text] : VariedTexts()) {
        SCOPED_TRACE(name);
        const StreamSummary summary = WalkStream(CompressStream(text.data(), text.size()));
        EXPECT_EQ(summary.fault, "");
        EXPECT_EQ(summary.produced, text.size());
        EXPECT_LE(summary.farthest, 2047u);
        EXPECT_FALSE(summary.mergeableRuns);
    }
    EXPECT_TRUE(CompressStream(nullptr, 0).empty());
}

TEST(BlockEncoder, ReachesBackAcrossTheWholeWindow) {
    // The high bytes of the first pattern need two literal runs; the second
    // copy is one back-reference when it lies within reach, else two runs more.
    const Bytes farthest = PatternAtDistance(2047);
    const StreamSummary within = WalkStream(CompressStream(farthest.data(), farthest.size()));
    EXPECT_EQ(within.farthest, 2047u);
    EXPECT_EQ(within.runs, 2u);
    const Bytes tooFar = PatternAtDistance(2048);
    EXPECT_EQ(WalkStream(CompressStream(tooFar.data(), tooFar.size())).runs, 4u);
}

TEST(BlockEncoder, RepeatsShortPatternsWithOverlappingReferences) {
    for (const Bytes& text : {Bytes(1000, 0xE5), Bytes(1000, 0x00)}) {
        const StreamSummary summary = WalkStream(CompressStream(text.data(), text.size()));
        EXPECT_TRUE(summary.overlapping);
        EXPECT_EQ(summary.farthest, 1u);
    }
    const Bytes alternating = Alternating(300);
    const Bytes stream = CompressStream(alternating.data(), alternating.size());
    EXPECT_TRUE(WalkStream(stream).overlapping);
    // Every back-reference makes at most 10 bytes from 2 stream bytes.
    EXPECT_LT(stream.size(), alternating.size() / 4);
}

TEST(BlockEncoder, GroupsLiteralBytesIntoRunsOfEight) {
    Bytes high(20);
    for (size_t k = 0; k < high.size(); ++k) high[k] = static_cast<uint8_t>(0x80 + 5 * k);
    const Bytes stream = CompressStream(high.data(), high.size());
    EXPECT_EQ(WalkStream(stream).runs, 3u);
    EXPECT_EQ(stream.size(), high.size() + 3);
}

TEST(BlockEncoder, CompressesArticleText) {
    const Bytes article = ArticleLikeText(9, 30000);
    const Bytes stream = CompressStream(article.data(), article.size());
    EXPECT_LT(stream.size(), article.size() * 7 / 10);

    // A passage read again and again costs little more than its first copy.
    const Bytes passage = ArticleLikeText(10, 500);
    Bytes repeated;
    for (int k = 0; k < 40; ++k) repeated.insert(repeated.end(), passage.begin(), passage.end());
    const size_t once = CompressStream(passage.data(), passage.size()).size();
    const size_t many = CompressStream(repeated.data(), repeated.size()).size();
    EXPECT_LT(many, once + repeated.size() / 4);
}

TEST(BlockEncoder, RefusesTextsThatDoNotFitABlock) {
    EXPECT_THROW(EncodeBlock({}, 1, 1), std::length_error);
    EXPECT_THROW(EncodeBlock(Bytes(65536, 0x61), 1, 1), std::length_error);
    // Distinct high bytes need a literal run header for every eight of them.
    EXPECT_THROW(EncodeBlock(RandomBytes(11, 65535, 0x80, 0xFF), 1, 1), std::length_error);
    EXPECT_NO_THROW(EncodeBlock(Bytes(65535, 0x61), 1, 1));
}

TEST(UnCompress, DecodesEveryKindOfUnit) {
    const StreamCase cases[] = {
        {"plain bytes", {0x00, 0x09, 0x41, 0x7F}, {0x00, 0x09, 0x41, 0x7F}},
        {"literal run of one", {0x01, 0xD1}, {0xD1}},
        {"literal run of eight", {0x08, 1, 2, 3, 4, 5, 6, 7, 0xFF}, {1, 2, 3, 4, 5, 6, 7, 0xFF}},
        {"space pairs", {0xC1, 0xC0, 0xFF}, {0x20, 0x41, 0x20, 0x40, 0x20, 0x7F}},
        {"back-reference", {'a', 'b', 'c', 0x80, 3 << 3}, {'a', 'b', 'c', 'a', 'b', 'c'}},
        {"overlapping back-reference", {'a', 'b', 0x80, (2 << 3) | 1}, {'a', 'b', 'a', 'b', 'a', 'b'}},
        {"distance 1 length 10", {'x', 0x80, (1 << 3) | 7}, Bytes(11, 'x')},
        {"text ending in zeros", {0x41, 0x00, 0x00}, {0x41, 0x00, 0x00}},
    };
    for (const auto& c : cases) ExpectDecodes(c);
}

TEST(UnCompress, CutsTheOutputAtTheTextLength) {
    const StreamCase cases[] = {
        {"more units than needed", {'A', 'B', 'C'}, {'A', 'B'}},
        {"literal run", {0x03, 0x81, 0x82, 0x83}, {0x81}},
        {"back-reference", {'A', 0x80, (1 << 3) | 7}, {'A', 'A', 'A', 'A'}},
        {"space pair keeps only its space", {'A', 0xC1}, {'A', 0x20}},
        {"input left over is not read", {'A', 0x80, 0x00, 0x05}, {'A'}},
    };
    for (const auto& c : cases) ExpectDecodes(c);
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
        {"payload length 0", WithPayloadLength(MakeBlock({'A'}, 1), 0), kBadBlockLengths},
        {"payload length beyond the resource", WithPayloadLength(MakeBlock({'A'}, 1), 10), kBadBlockLengths},
        {"stream beyond the resource", streamBeyondResource, kBadBlockLengths},
        {"header cut short", {0x00, 0x05, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01}, kBadBlockLengths},
        {"empty resource", {}, kBadBlockLengths},
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
    ASSERT_TRUE(std::equal(header.begin(), header.end(), block.begin()));
    ASSERT_EQ(block.size(), 593u);
    int error = -1;
    const ArticleText text = DecodeResource(block, &error);
    EXPECT_EQ(error, kUnCompressOk);
    ASSERT_EQ(text.size(), 1166u);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'z'), 734);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'y'), 430);
    EXPECT_EQ(UnCompress(block.data() + 6, block.size() - 6, 587, nullptr), text);
}

TEST(UnCompress, NeverReadsPastATruncatedResource) {
    const Bytes block = EncodeBlock(ArticleLikeText(12, 3000), 7, 7);
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
