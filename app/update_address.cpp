// Builds the update page's address. The product path goes into the query
// string, so everything but letters, digits, dots and slashes is escaped.
#include "app/update_address.h"

#include <cstdio>

namespace {

constexpr std::u16string_view kUpgradePath = u"/cgi-bin/upgrade?p=windows/";
constexpr std::u16string_view kVersionField = u"&v=";

bool IsKept(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'.' ||
           c == u'/';
}

}  // namespace

std::u16string EscapeProductPath(std::u16string_view path) {
    std::u16string escaped;
    for (const char16_t c : path) {
        if (c == u' ') {
            escaped += u'+';
        } else if (IsKept(c)) {
            escaped += c;
        } else {
            char hex[8];
            const int n = std::snprintf(hex, sizeof(hex), "%%%.2X", static_cast<unsigned>(c));
            escaped.append(hex, hex + n);
        }
    }
    return escaped;
}

std::u16string BuildUpdateAddress(std::u16string_view server, std::u16string_view productPath) {
    std::u16string address(server);
    address += kUpgradePath;
    address += EscapeProductPath(productPath);
    address += kVersionField;
    address += kVersionText;
    return address;
}
