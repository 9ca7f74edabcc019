// A small reader of JSON, for the data files of the npm packages the library
// is built from: objects (their members in the file's order), arrays,
// strings, numbers, true, false and null.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct JsonValue {
    enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
    Kind kind = Kind::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;  // a string's UTF-8
    std::vector<JsonValue> items;                              // an array's
    std::vector<std::pair<std::string, JsonValue>> members;  // an object's

    // The member of an object with the name, or none.
    const JsonValue* Find(std::string_view name) const;
};

// Reads the first JSON value of text, from its first "{" or "[" on, so that a
// module that exports the value ("export default {...};") reads as the value;
// what follows the value is passed over. Throws std::runtime_error naming the
// place of a malformed value.
JsonValue ParseJsonValue(std::string_view text);

// The file's text read as ParseJsonValue reads it. Throws std::runtime_error
// when it cannot be read.
JsonValue ReadJsonFile(const std::string& path);
