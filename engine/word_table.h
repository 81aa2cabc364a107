#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace engine {

// Where a bad table index is reported: a message box in the program, a
// recorder in tests. Returns the previous sink.
using WordTableErrorSink = std::function<void(const std::string& message)>;
WordTableErrorSink SetWordTableErrorSink(WordTableErrorSink sink);

}  // namespace engine

// A fixed-shape table of 16-bit words addressed by row and column.
class CWord2DimArray {
public:
    CWord2DimArray() = default;
    CWord2DimArray(const CWord2DimArray&) = delete;
    CWord2DimArray& operator=(const CWord2DimArray&) = delete;
    CWord2DimArray(CWord2DimArray&&) = default;
    CWord2DimArray& operator=(CWord2DimArray&&) = default;

    // Sets the shape; the words start at 0.
    CWord2DimArray& Create(std::uint16_t rows, std::uint16_t cols);
    void Free();

    // The word at (row, col). A bad index is reported and yields a scratch
    // word of this table, so nothing outside the table is ever touched.
    std::uint16_t* At(std::uint16_t row, std::uint16_t col)
    {
        if (row < m_nRows && col < m_nCols)
            return &m_words[static_cast<std::size_t>(row) * m_nCols + col];
        return BadIndex(row, col);
    }
    const std::uint16_t* At(std::uint16_t row, std::uint16_t col) const
    {
        if (row < m_nRows && col < m_nCols)
            return &m_words[static_cast<std::size_t>(row) * m_nCols + col];
        return BadIndex(row, col);
    }

    void Copy(const CWord2DimArray& source);
    void CopyRow(const CWord2DimArray& source, int sourceRow, int destRow = -1);

    std::uint16_t Rows() const { return m_nRows; }
    std::uint16_t Cols() const { return m_nCols; }

private:
    std::uint16_t* BadIndex(std::uint16_t row, std::uint16_t col) const;

    std::vector<std::uint16_t> m_words;
    std::uint16_t m_nRows = 0;
    std::uint16_t m_nCols = 0;
    mutable std::uint16_t m_wScratch = 0;
};
