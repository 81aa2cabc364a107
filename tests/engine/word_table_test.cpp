#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/word_table.h"

namespace {

struct WordTableTest : ::testing::Test {
    void SetUp() override
    {
        previous = engine::SetWordTableErrorSink([this](const std::string& m) { errors.push_back(m); });
    }
    void TearDown() override { engine::SetWordTableErrorSink(previous); }

    std::vector<std::string> errors;
    engine::WordTableErrorSink previous;
};

TEST_F(WordTableTest, BoundsOfASixBySeventeenTable)
{
    CWord2DimArray table;
    table.Create(6, 17);
    *table.At(5, 16) = 7;
    EXPECT_EQ(*table.At(5, 16), 7);
    EXPECT_TRUE(errors.empty());

    struct Bad {
        std::uint16_t row, col;
        const char* message;
    };
    const Bad bad[] = {
        {6, 0, "Illegal CWord2DimArray index 6, 0"},
        {0, 17, "Illegal CWord2DimArray index 0, 17"},
        {65535, 65535, "Illegal CWord2DimArray index 65535, 65535"},
    };
    for (const auto& b : bad) {
        errors.clear();
        std::uint16_t* word = table.At(b.row, b.col);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], b.message);
        // The scratch word reads 0 and takes a write without touching the table.
        EXPECT_EQ(*word, 0);
        *word = 0xBEEF;
    }
    for (std::uint16_t r = 0; r < 6; ++r)
        for (std::uint16_t c = 0; c < 17; ++c)
            EXPECT_EQ(*table.At(r, c), (r == 5 && c == 16) ? 7 : 0);
}

TEST_F(WordTableTest, EmptyTableRejectsEverything)
{
    CWord2DimArray table;
    table.At(0, 0);
    table.Create(0, 0);
    table.At(0, 0);
    EXPECT_EQ(errors.size(), 2u);
}

TEST_F(WordTableTest, CopyRowAndCopy)
{
    CWord2DimArray source, dest;
    source.Create(4, 3);
    dest.Create(4, 3);
    for (std::uint16_t r = 0; r < 4; ++r)
        for (std::uint16_t c = 0; c < 3; ++c)
            *source.At(r, c) = static_cast<std::uint16_t>(10 * r + c);

    dest.CopyRow(source, 2);
    EXPECT_EQ(*dest.At(2, 1), 21);
    EXPECT_EQ(*dest.At(1, 1), 0);
    dest.CopyRow(source, 3, 0);
    EXPECT_EQ(*dest.At(0, 0), 30);
    EXPECT_EQ(*dest.At(0, 2), 32);

    CWord2DimArray empty;
    empty.Create(0, 3);
    dest.Copy(empty);
    EXPECT_EQ(*dest.At(0, 0), 30);

    dest.Copy(source);
    EXPECT_EQ(*dest.At(1, 2), 12);
    EXPECT_TRUE(errors.empty());
}

TEST_F(WordTableTest, FreeIsIdempotent)
{
    CWord2DimArray table;
    table.Create(2, 2);
    table.Free();
    table.Free();
    EXPECT_EQ(table.Rows(), 0);
}

}  // namespace
