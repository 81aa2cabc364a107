#include "document/html_page.h"

#include <array>

#include "document/display_sizes.h"
#include "document/text_decoding.h"

namespace {

constexpr int kMaxLines = 2000;
constexpr std::size_t kTitleLength = 30;
constexpr std::size_t kNameTooLong = 29;
constexpr std::size_t kRecordSize = 20;
constexpr std::size_t kOlderRecordSize = 14;  // without the attribute digits
// A full Scratch Pad at three a row, one parameter a row.
constexpr int kMaxParams = pad::kMaxChords / document::kThreeARow.perRow;
constexpr int kMaxPerRow = document::kSixARow.perRow;

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits)
{
    std::uint32_t value = 0;
    for (char ch : digits) {
        const int digit = HexValue(ch);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The number 1..12 of a parameter line that begins with `prefix` ("<param
// name=\"info", ...) followed by the number and the closing quote; 0 otherwise.
int ParamNumber(std::string_view line, std::string_view prefix)
{
    if (line.size() < prefix.size() + 2 || line.substr(0, prefix.size()) != prefix)
        return 0;
    int number = 0;
    std::size_t at = prefix.size();
    for (; at < line.size() && at < prefix.size() + 2 && line[at] >= '0' && line[at] <= '9'; ++at)
        number = number * 10 + (line[at] - '0');
    if (at == prefix.size() || line[prefix.size()] == '0' || at >= line.size() || line[at] != '"')
        return 0;
    return number >= 1 && number <= kMaxParams ? number : 0;
}

// The text between value=" and the next "> of the line.
std::optional<std::string_view> ParamValue(std::string_view line, std::size_t from)
{
    constexpr std::string_view kValue = "value=\"";
    std::size_t start = line.find(kValue, from);
    if (start == std::string_view::npos)
        return std::nullopt;
    start += kValue.size();
    const std::size_t end = line.find("\">", start);
    if (end == std::string_view::npos)
        return std::nullopt;
    return line.substr(start, end - start);
}

std::optional<ScratchPadChordRow> ParseRecord(std::string_view record, bool older)
{
    const int position = HexValue(record[1]);
    const std::optional<std::uint32_t> offsets = HexNumber(record.substr(2, 5));
    if (position < 1 || !offsets)
        return std::nullopt;
    ScratchPadChordRow row;
    const int base = position - 2;
    for (int s = 0; s < 6; ++s) {
        const int offset = static_cast<int>(*offsets >> (3 * s) & 7);
        const int fret = base + offset;
        row.w[static_cast<std::size_t>(s)] =
            offset == 0 || fret < 0 || fret > 20 ? kFretNotPlayed : static_cast<std::uint16_t>(fret);
    }
    row.w[pad::BaseFret] = static_cast<std::uint16_t>(position);
    row.w[pad::FlatFlags] = document::SpellingFlagsFromHtmlCodes(record.substr(8, 6));
    if (!older) {
        const std::optional<std::uint32_t> attributes = HexNumber(record.substr(14, 6));
        if (!attributes)
            return std::nullopt;
        row.w[pad::AttributesHigh] = static_cast<std::uint16_t>(*attributes >> 16 & 0x7FFF);
        row.w[pad::AttributesLow] = static_cast<std::uint16_t>(*attributes & 0xFFFF);
    }
    return row;
}

std::string PadName(std::string_view text)
{
    std::string name = document::UnescapeHtml(text);
    return document::utf8Length(name) >= kNameTooLong ? std::string() : name;
}

class PageReader {
public:
    explicit PageReader(document::ParsedPage& page) : m_page(page) {}

    // False once the page says no more is to be read.
    bool Line(std::string_view line)
    {
        if (!m_page.hasTitle) {
            ReadTitle(line);
            return true;
        }
        if (const int k = ParamNumber(line, "<param name=\"info"); k != 0 && m_infoPending[k]) {
            m_infoPending[k] = false;
            if (const auto value = ParamValue(line, 19 + (k > 9 ? 1 : 0)))
                return ReadInfo(k, *value);
            return true;
        }
        if (const int k = ParamNumber(line, "<param name=\"chname"); k != 0 && m_namesPending[k]) {
            m_namesPending[k] = false;
            if (const auto value = ParamValue(line, 21 + (k > 9 ? 1 : 0)))
                ReadNames(k, *value);
        }
        return true;
    }

private:
    void ReadTitle(std::string_view line)
    {
        const std::size_t open = line.find("<title>");
        const std::size_t close = line.find("</title>");
        if (open == std::string_view::npos || close == std::string_view::npos)
            return;
        m_page.hasTitle = true;
        const std::size_t start = open + 7;
        if (close >= start)
            m_page.title = document::utf8Prefix(document::UnescapeHtml(line.substr(start, close - start)),
                                                kTitleLength);
    }

    bool ReadInfo(int k, std::string_view value)
    {
        std::size_t at = 0;
        int index = 0;
        if (k == 1) {
            if (value.size() < 3)
                return true;
            const int flag = HexValue(value[2]);
            if (flag < 0)
                return true;
            m_page.hasInfo1 = true;
            if (flag & 2) {
                m_page.fretboard = true;
                return false;
            }
            m_older = (flag & 8) == 0;
            at = 3;
        } else {
            // Later rows are placed by the length of the first one.
            if (m_perRow == 0)
                return true;
            index = (k - 1) * m_perRow;
        }
        const std::size_t size = m_older ? kOlderRecordSize : kRecordSize;
        int taken = 0;
        for (; index < pad::kMaxChords && value.size() - at >= size; at += size, ++index, ++taken) {
            const auto row = ParseRecord(value.substr(at, size), m_older);
            if (!row)
                break;
            m_page.chords[static_cast<std::size_t>(index)] = *row;
        }
        if (k == 1 && taken <= kMaxPerRow)
            m_perRow = taken;
        return true;
    }

    void ReadNames(int k, std::string_view value)
    {
        // Without a row length only the first parameter has a place.
        if (m_perRow == 0 && k != 1)
            return;
        const int first = m_perRow * (k - 1);
        const int end = m_perRow == 0 ? kMaxPerRow : m_perRow * k;
        std::size_t caret = value.find('^');
        for (int i = first; i < end && i < pad::kMaxChords && caret != std::string_view::npos; ++i) {
            const std::size_t next = value.find('^', caret + 1);
            const std::string_view item =
                value.substr(caret + 1, next == std::string_view::npos ? std::string_view::npos : next - caret - 1);
            caret = next;
            const std::size_t tilde = item.find('~');
            if (tilde == std::string_view::npos)
                continue;
            m_page.names[static_cast<std::size_t>(i)] =
                document::ParsedPadNames{PadName(item.substr(0, tilde)), PadName(item.substr(tilde + 1))};
        }
    }

    document::ParsedPage& m_page;
    // Index 0 is no parameter; each of 1..12 is read once.
    std::array<bool, kMaxParams + 1> m_infoPending = PendingParams();
    std::array<bool, kMaxParams + 1> m_namesPending = PendingParams();
    static constexpr std::array<bool, kMaxParams + 1> PendingParams()
    {
        std::array<bool, kMaxParams + 1> pending{};
        for (std::size_t k = 1; k < pending.size(); ++k)
            pending[k] = true;
        return pending;
    }
    bool m_older = false;
    int m_perRow = 0;
};

}  // namespace

namespace document {

int ParsedPage::ChordCount() const
{
    int count = 0;
    while (count < pad::kMaxChords && chords[static_cast<std::size_t>(count)])
        ++count;
    return count;
}

ParsedPage parseAppletPage(std::istream& in)
{
    ParsedPage page;
    PageReader reader(page);
    std::string raw;
    for (int lines = 0; lines < kMaxLines && std::getline(in, raw); ++lines) {
        // As text mode reads it: CR LF is a line end, a lone CR stays.
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (!reader.Line(DecodeFileLine(raw)))
            break;
    }
    return page;
}

PageLoad applyToScratchPad(CKvwinDoc& doc, const ParsedPage& page)
{
    if (page.fretboard)
        return PageLoad::Fretboard;
    const int count = page.ChordCount();
    if (!page.hasTitle || count == 0)
        return PageLoad::NoChords;

    doc.ClearScratchPad();
    doc.m_strPadTitle = page.title;
    doc.m_strPadTitle2 = page.secondTitle;
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ScratchPadChordRow row = *page.chords[at];
        const ParsedPadNames names = page.names[at].value_or(ParsedPadNames{});
        row.w[pad::NameShown] = !names.name.empty() || !names.name2.empty() ? 1 : 0;
        doc.SetPadRow(i, row);
        doc.m_astrPadNames[at] = names.name;
        doc.m_astrPadNames2[at] = names.name2;
    }
    doc.SetScratchPadCount(count);
    doc.GetPorts().ui->UpdateAllViews();
    doc.UpdateStatusLine();
    return PageLoad::Loaded;
}

}  // namespace document
