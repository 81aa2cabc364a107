#include "document/html_page.h"

#include <algorithm>
#include <cstdio>

#include "document/display_sizes.h"
#include "document/persistent_settings.h"

namespace {

struct NoteCode {
    PitchClassMask note;
    char sharp;
    char flat;  // 0: the note has one name
    FlatSpellingFlags flag;
};

constexpr NoteCode kNoteCodes[] = {
    {0x001, '1', 0, 0},      {0x002, '2', '3', 0x02}, {0x004, '4', 0, 0},      {0x008, '5', 0, 0},
    {0x010, '6', '7', 0x08}, {0x020, '8', 0, 0},      {0x040, '9', 'A', 0x10}, {0x080, 'B', 0, 0},
    {0x100, 'C', 0, 0},      {0x200, 'D', 'E', 0x40}, {0x400, 'F', 0, 0},      {0x800, 'G', '0', 0x01},
};

char HexDigit(int value)
{
    return "0123456789ABCDEF"[value & 0xF];
}

std::string Hex(std::uint32_t value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", width, static_cast<unsigned>(value));
    return buffer;
}

enum class PageKind { Chords, ScratchPad, Fretboard };

PageKind KindOf(const CKvwinDoc& doc)
{
    if (doc.m_bScratchPadMode)
        return PageKind::ScratchPad;
    return doc.m_bChordDisplay ? PageKind::Chords : PageKind::Fretboard;
}

// One diagram: position, fret offsets, note codes from string 6 down, attributes.
void AppendChordRecord(std::string& out, const CKvwinDoc& doc, const std::array<std::uint16_t, 6>& frets,
                       std::uint16_t base, FlatSpellingFlags flags, std::uint32_t attributes)
{
    std::uint32_t offsets = 0;
    std::array<bool, 6> written{};
    for (int s = 0; s < 6; ++s) {
        const int fret = frets[static_cast<std::size_t>(s)];
        if (fret > 20)
            continue;
        const int offset = fret - base + 1 + (base != 0 ? 1 : 0);
        // Only a typed base-fret jump can leave a fret outside the window;
        // it must not spill into the next string's bits, and goes as not played.
        if (offset >= 1 && offset <= 7) {
            offsets |= static_cast<std::uint32_t>(offset) << (3 * s);
            written[static_cast<std::size_t>(s)] = true;
        }
    }
    out += '0';
    out += Hex(base == 0 ? 1 : base, 1);
    out += Hex(offsets, 5);
    out += '0';
    for (int s = 5; s >= 0; --s) {
        const auto at = static_cast<std::size_t>(s);
        out += written[at] ? document::GetHtmlNoteCode(doc.noteAt(s, frets[at]), flags) : 'H';
    }
    out += Hex(attributes & 0xFFFFFF, 6);
}

void AppendFretboardRows(std::string& out, const CKvwinDoc& doc)
{
    for (int s = 0; s < 6; ++s) {
        for (int f = 0; f < 12; ++f) {
            if (f % 6 == 0)
                out += '0';
            const PitchClassMask note = doc.noteAt(s, f);
            const bool shown = doc.m_nVoicingCount == 0 || (note & doc.m_wChordMask) != 0;
            out += shown ? document::GetHtmlNoteCode(note, doc.m_wFlatFlags) : 'H';
        }
        out += "000000";
    }
}

// Each row of diagrams gets a parameter of its own: opens the next one before
// the first item of every row after the first.
void BreakRow(std::string& out, const char* name, int item, int perRow)
{
    if (item == 0 || item % perRow != 0)
        return;
    out += "\">\n<param name=\"";
    out += name;
    out += std::to_string(item / perRow + 1);
    out += "\" value=\"";
}

void CloseParam(std::string& out, const char* closing)
{
    if (out.empty() || out.back() != '>')
        out += closing;
}

// The "info" parameters; returns the number of chord records written.
int AppendInfoParams(std::string& out, const CKvwinDoc& doc, const PersistentSettings& settings,
                     const document::DisplaySize& size)
{
    const int perRow = size.perRow;
    const PageKind kind = KindOf(doc);
    int flag = 8;
    if (doc.m_nDeutsch)
        flag += 4;
    if (kind == PageKind::Fretboard)
        flag += 2;
    else if (doc.m_nNotefret)
        flag += 1;

    std::string info = "<param name=\"info1\" value=\"02";
    info += HexDigit(flag);
    int records = 0;
    const int perPage = size.chordsPerPage;
    if (kind == PageKind::Chords) {
        int first = doc.m_nPage * perPage;
        int end = std::min(first + perPage, doc.m_nVoicingCount);
        if (settings.m_nApplAp) {
            first = 0;
            end = doc.m_nVoicingCount;
        }
        for (int i = std::max(first, 0); i < end; ++i, ++records) {
            const VoicingRow v = doc.GetVoicing(i);
            BreakRow(info, "info", records, perRow);
            AppendChordRecord(info, doc, {v[0], v[1], v[2], v[3], v[4], v[5]}, v[voicing::kWindowStart],
                              doc.m_wFlatFlags, 0);
        }
    } else if (kind == PageKind::ScratchPad) {
        const int end = std::min({settings.m_nApplSpUd ? pad::kMaxChords : perPage, doc.m_nPadCount,
                                  pad::kMaxChords});
        for (int i = 0; i < end; ++i, ++records) {
            const ScratchPadChordRow row = doc.GetPadRow(i);
            BreakRow(info, "info", records, perRow);
            // Each saved chord keeps its own spelling, as the Scratch Pad shows it.
            AppendChordRecord(info, doc, {row.w[0], row.w[1], row.w[2], row.w[3], row.w[4], row.w[5]},
                              row.w[pad::BaseFret], row.w[pad::FlatFlags], row.Attributes());
        }
    } else {
        AppendFretboardRows(info, doc);
    }
    CloseParam(info, "\">\n");

    const int rows = records == 0 ? 1 : (records - 1) / perRow + 1;
    if (info.size() >= 36) {
        // One base-36 digit; "z" stands for 35 rows and more.
        info[info.find('2')] = "0123456789abcdefghijklmnopqrstuvwxyz"[std::min(rows, 35)];
    }
    out += info;
    return records;
}

void AppendChordNameParams(std::string& out, const CKvwinDoc& doc, const PersistentSettings& settings,
                           const document::DisplaySize& size)
{
    const int perRow = size.perRow;
    std::string names = "<param name=\"chname1\" value=\"";
    names += settings.m_nChtitleTop ? 'U' : 'L';
    // Every chord written gets its names, so a page saved with the chords
    // beyond the page loads back with all of its names.
    const int end = std::min({settings.m_nApplSpUd ? pad::kMaxChords : size.chordsPerPage, doc.m_nPadCount,
                              pad::kMaxChords});
    for (int i = 0; i < end; ++i) {
        const bool shown = doc.GetPadRow(i).w[pad::NameShown] != 0;
        BreakRow(names, "chname", i, perRow);
        names += '^';
        if (shown)
            names += document::EscapeHtml(doc.m_astrPadNames[static_cast<std::size_t>(i)]);
        names += '~';
        if (shown)
            names += document::EscapeHtml(doc.m_astrPadNames2[static_cast<std::size_t>(i)]);
    }
    CloseParam(names, "^\">\n");
    out += names;
}

const char* FontName(int applfont)
{
    switch (applfont) {
    case 1:
        return "TimesRoman";
    case 2:
        return "Courier";
    default:
        return "Helvetica";
    }
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char ch : text) {
        if (ch == '\n')
            out += '\r';
        out += ch;
    }
    return out;
}

}  // namespace

namespace document {

char GetHtmlNoteCode(PitchClassMask note, FlatSpellingFlags flags)
{
    for (const NoteCode& code : kNoteCodes) {
        if (code.note == note)
            return code.flat != 0 && (flags & code.flag) != 0 ? code.flat : code.sharp;
    }
    return 'H';
}

FlatSpellingFlags SpellingFlagsFromHtmlCodes(std::string_view codes)
{
    FlatSpellingFlags flags = 0;
    for (char ch : codes.substr(0, 6)) {
        for (const NoteCode& code : kNoteCodes) {
            if (code.flat != 0 && code.flat == ch)
                flags |= code.flag;
        }
    }
    return flags;
}

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        // The chord-name values split their items at these two.
        case '^':
            out += "&#94;";
            break;
        case '~':
            out += "&#126;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string UnescapeHtml(std::string_view text)
{
    struct Entity {
        std::string_view text;
        char ch;
    };
    static constexpr Entity kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'},
                                             {"&quot;", '"'}, {"&#94;", '^'}, {"&#126;", '~'}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const Entity& e : kEntities) {
                if (text.substr(i, e.text.size()) == e.text) {
                    out += e.ch;
                    i += e.text.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

HtmlPageNames HtmlDefaultNames(const CKvwinDoc& doc)
{
    const PageKind kind = KindOf(doc);
    std::string name = doc.m_strChordTitle;
    if (kind == PageKind::ScratchPad)
        name = doc.m_strPadTitle2.empty() ? doc.m_strPadTitle : doc.m_strPadTitle2;
    HtmlPageNames names{name, {}};

    std::replace(name.begin(), name.end(), ':', '+');
    std::replace(name.begin(), name.end(), ' ', '_');
    std::replace(name.begin(), name.end(), '/', '_');
    for (int i = 0; i < 4; ++i) {
        const std::size_t sharp = name.find('#');
        if (sharp == std::string::npos)
            break;
        name.replace(sharp, 1, "shp");
    }
    if (kind == PageKind::Fretboard)
        name = name.empty() ? "fretboard" : name + "_fb";
    names.fileName = name;
    return names;
}

std::string buildHtmlPage(const CKvwinDoc& doc, const PersistentSettings& settings)
{
    const PageKind kind = KindOf(doc);
    const DisplaySize& size = LayoutSizeOf(doc.m_nScale);
    const bool reduced = settings.m_nApplRedScale != 0;
    const int d = reduced ? size.appletScale - 1 : size.appletScale;
    const int rowSeparation = settings.m_nApplRwsep >= 0 && settings.m_nApplRwsep <= 12 ? settings.m_nApplRwsep : 2;
    const int leftMargin = settings.m_nApplLmgn > 80 ? 0 : settings.m_nApplLmgn;
    const std::string title = kind == PageKind::ScratchPad && settings.m_nPgtitle == 0
                                  ? std::string()
                                  : EscapeHtml(HtmlDefaultNames(doc).title);
    const std::string background = Hex(static_cast<std::uint32_t>(settings.m_nBgcol) & 0xFFFFFF, 6);
    const std::string text = Hex(static_cast<std::uint32_t>(settings.m_nTxtcol) & 0xFFFFFF, 6);

    std::string info;
    const int records = AppendInfoParams(info, doc, settings, size);
    const int extraRows = records == 0 ? 0 : (records - 1) / size.perRow;
    const int width = kind == PageKind::Fretboard ? 170 * d : 1060;
    int height = d * (extraRows * (rowSeparation + 50) + 62);
    if (kind == PageKind::ScratchPad && settings.m_nChtitleTop == 0)
        height += 8 * d;

    std::string page =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n<title>";
    page += title;
    page += "</title>\n</head>\n";
    page += "<body bgcolor = " + background + " text = " + text + ">";
    page += "\n<center><h1>" + title + "</h1></center>\n<p>\n";
    page += "<applet code=\"Tonalith_App.class\" width=" + std::to_string(width) + " height=" +
            std::to_string(height) + " archive=\"Tonalith.jar\">\n";
    page += "<param name=\"forgrnd_col\" value=\"" + text + "\">\n";
    page += "<param name=\"bkgrnd_col\" value=\"" + background + "\">\n";
    page += std::string("<param name=\"font\" value=\"") + FontName(settings.m_nApplfont) + "\">\n";
    page += "<param name=\"wdth\" value=\"" + std::to_string(size.perRow) + "\">\n";
    if (reduced)
        page += "<param name=\"red_scale\" value=\"yes\">\n<param name=\"lmargin\" value=\"" +
                std::to_string(leftMargin) + "\">\n";
    else
        page += "<param name=\"red_scale\" value=\"no\">\n";
    page += settings.m_nApplShrinkPrt ? "<param name=\"prt_shrink\" value=\"yes\">\n"
                                      : "<param name=\"prt_shrink\" value=\"no\">\n";
    page += "<param name=\"rwsep\" value=\"" + std::to_string(rowSeparation) + "\">\n";
    page += info;
    if (kind == PageKind::ScratchPad)
        AppendChordNameParams(page, doc, settings, size);
    page += "</applet>\n</body>\n</html>";
    return WithCrLf(page);
}

}  // namespace document
