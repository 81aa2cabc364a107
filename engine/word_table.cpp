#include "engine/word_table.h"

#include <cstdio>
#include <utility>

namespace engine {
namespace {

WordTableErrorSink& errorSink()
{
    static WordTableErrorSink sink = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
    };
    return sink;
}

}  // namespace

WordTableErrorSink SetWordTableErrorSink(WordTableErrorSink sink)
{
    return std::exchange(errorSink(), std::move(sink));
}

}  // namespace engine

CWord2DimArray& CWord2DimArray::Create(std::uint16_t rows, std::uint16_t cols)
{
    m_nRows = rows;
    m_nCols = cols;
    m_words.assign(static_cast<std::size_t>(rows) * cols, 0);
    return *this;
}

void CWord2DimArray::Free()
{
    m_words.clear();
    m_words.shrink_to_fit();
    m_nRows = 0;
    m_nCols = 0;
}

std::uint16_t* CWord2DimArray::BadIndex(std::uint16_t row, std::uint16_t col) const
{
    char text[200];
    std::snprintf(text, sizeof text, "Illegal CWord2DimArray index %i, %i", int{row}, int{col});
    if (const auto& sink = engine::errorSink(); sink)
        sink(text);
    m_wScratch = 0;
    return &m_wScratch;
}

void CWord2DimArray::Copy(const CWord2DimArray& source)
{
    for (std::uint16_t r = 0; r < source.m_nRows; ++r)
        CopyRow(source, r);
}

void CWord2DimArray::CopyRow(const CWord2DimArray& source, int sourceRow, int destRow)
{
    if (destRow == -1)
        destRow = sourceRow;
    for (std::uint16_t c = 0; c < source.m_nCols; ++c) {
        const std::uint16_t word = *source.At(static_cast<std::uint16_t>(sourceRow), c);
        *At(static_cast<std::uint16_t>(destRow), c) = word;
    }
}
