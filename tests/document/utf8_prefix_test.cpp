#include <gtest/gtest.h>

#include "document/text_decoding.h"

namespace {

TEST(Utf8Prefix, CountsCodePointsAndNeverSplitsOne)
{
    struct Case {
        const char* text;
        std::size_t count;
        const char* prefix;
    };
    const Case cases[] = {
        {"C major", 14, "C major"},
        {"Cmaj7(9,#11) over E", 14, "Cmaj7(9,#11) o"},
        {"\xC3\x84\xC3\x96\xC3\x9C", 2, "\xC3\x84\xC3\x96"},             // two-byte letters
        {"ab\xE2\x82\xAC" "cd", 3, "ab\xE2\x82\xAC"},                      // a three-byte sign at the cut
        {"\xF0\x9F\x8E\xB8x", 1, "\xF0\x9F\x8E\xB8"},                      // four bytes
        {"abc", 0, ""},
        {"", 14, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document::utf8Prefix(c.text, c.count), c.prefix) << c.text;
}

}  // namespace
