// Walking the paragraph records of an article text, within its buffer.
#include "store/article_records.h"

#include <cstring>

bool ReadRecord(const ArticleText& text, size_t pos, ArticleRecord& record) {
    if (pos + 1 >= text.size() || text[pos] == 0) return false;
    const size_t textPos = pos + 2;
    const size_t room = text.size() - textPos;
    const void* zero = room > 0 ? std::memchr(text.data() + textPos, 0, room) : nullptr;
    record.attr = text[pos];
    record.layout = text[pos + 1];
    record.start = pos;
    record.textPos = textPos;
    record.length = zero != nullptr ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - (text.data() + textPos))
                                    : room;
    record.next = textPos + record.length + 1;
    return true;
}

bool FindRecordHolding(const ArticleText& text, size_t position, ArticleRecord& record) {
    for (size_t pos = 0; ReadRecord(text, pos, record); pos = record.next) {
        if (position < record.next) return position >= record.start;
    }
    return false;
}

size_t RecordsEnd(const ArticleText& text) {
    size_t pos = 0;
    for (ArticleRecord record; ReadRecord(text, pos, record);) pos = record.next;
    return pos < text.size() ? pos : text.size();
}
