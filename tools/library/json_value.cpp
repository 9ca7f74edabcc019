// A recursive reader of JSON text. The data it reads is the build's input, so
// any fault stops the build with the place where it was found.
#include "tools/library/json_value.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

JsonValue Make(JsonValue::Kind kind) {
    JsonValue value;
    value.kind = kind;
    return value;
}

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    JsonValue Value() {
        SkipSpaces();
        if (pos_ >= text_.size()) Fail("a value");
        switch (text_[pos_]) {
        case '{': return Object();
        case '[': return Array();
        case '"': return Text();
        case 't': return Word("true", true);
        case 'f': return Word("false", false);
        case 'n': return Word("null", false);
        }
        return Number();
    }

private:
    [[noreturn]] void Fail(const char* expected) const {
        throw std::runtime_error("JSON: " + std::string(expected) + " expected at offset " + std::to_string(pos_));
    }

    void SkipSpaces() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r'))
            ++pos_;
    }

    bool Take(char c) {
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    JsonValue Word(std::string_view word, bool boolean) {
        if (text_.substr(pos_, word.size()) != word) Fail("true, false or null");
        pos_ += word.size();
        JsonValue value = Make(word == "null" ? JsonValue::Kind::kNull : JsonValue::Kind::kBool);
        value.boolean = boolean;
        return value;
    }

    JsonValue Text() {
        JsonValue value = Make(JsonValue::Kind::kString);
        value.text = String();
        return value;
    }

    JsonValue Object() {
        JsonValue value = Make(JsonValue::Kind::kObject);
        ++pos_;
        if (Take('}')) return value;
        do {
            SkipSpaces();
            if (pos_ >= text_.size() || text_[pos_] != '"') Fail("a member's name");
            std::string name = String();
            if (!Take(':')) Fail("':'");
            value.members.emplace_back(std::move(name), Value());
        } while (Take(','));
        if (!Take('}')) Fail("',' or '}'");
        return value;
    }

    JsonValue Array() {
        JsonValue value = Make(JsonValue::Kind::kArray);
        ++pos_;
        if (Take(']')) return value;
        do value.items.push_back(Value());
        while (Take(','));
        if (!Take(']')) Fail("',' or ']'");
        return value;
    }

    char32_t Hex4() {
        if (pos_ + 4 > text_.size()) Fail("four hex digits");
        const std::string digits(text_.substr(pos_, 4));
        char* end = nullptr;
        const unsigned long code = std::strtoul(digits.c_str(), &end, 16);
        if (end != digits.c_str() + 4) Fail("four hex digits");
        pos_ += 4;
        return static_cast<char32_t>(code);
    }

    char32_t Escape() {
        const char c = text_[pos_++];
        switch (c) {
        case '"': case '\\': case '/': return static_cast<char32_t>(c);
        case 'b': return U'\b';
        case 'f': return U'\f';
        case 'n': return U'\n';
        case 'r': return U'\r';
        case 't': return U'\t';
        case 'u': return Hex4();
        }
        Fail("an escape");
    }

    std::string String() {
        ++pos_;
        std::string out;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            if (text_[pos_] != '\\') {
                out += text_[pos_++];
                continue;
            }
            if (++pos_ >= text_.size()) break;
            out += EncodeUtf8(std::u32string(1, Escape()));
        }
        if (pos_ >= text_.size()) Fail("'\"'");
        ++pos_;
        return out;
    }

    JsonValue Number() {
        const std::string rest(text_.substr(pos_, 32));
        char* end = nullptr;
        const double number = std::strtod(rest.c_str(), &end);
        if (end == rest.c_str()) Fail("a value");
        pos_ += static_cast<size_t>(end - rest.c_str());
        JsonValue value = Make(JsonValue::Kind::kNumber);
        value.number = number;
        return value;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (const auto& [key, value] : members)
        if (key == name) return &value;
    return nullptr;
}

JsonValue ParseJsonValue(std::string_view text) {
    const size_t start = text.find_first_of("{[");
    if (start == std::string_view::npos) throw std::runtime_error("JSON: no object or array");
    return JsonReader(text.substr(start)).Value();
}

JsonValue ReadJsonFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return ParseJsonValue(text.str());
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(path + ": " + error.what());
    }
}
