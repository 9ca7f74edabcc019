// The update page's address and the escaping of the product path.
#include "app/update_address.h"

#include <gtest/gtest.h>

TEST(UpdateAddress, ProductPathIsEscaped) {
    const struct {
        std::u16string path;
        std::u16string escaped;
    } cases[] = {
        {u"a b'c/d.e", u"a+b%27c/d.e"},
        {u"Tarnwick/Velmora", u"Tarnwick/Velmora"},
        {u"AZaz09./", u"AZaz09./"},
        {u"&?=%+#\t-_~", u"%26%3F%3D%25%2B%23%09%2D%5F%7E"},
        {u"\u05D0\u00E9", u"%5D0%E9"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeProductPath(c.path), c.escaped);
    }
}

TEST(UpdateAddress, AddressEndsWithTheVersionAndHasNoSpace) {
    const std::u16string address = BuildUpdateAddress(u"https://host.example", u"Tarn wick/Velmora");
    EXPECT_EQ(address, u"https://host.example/cgi-bin/upgrade?p=windows/Tarn+wick/Velmora&v=1.84a");
    EXPECT_EQ(address.find(u' '), std::u16string::npos);
}
