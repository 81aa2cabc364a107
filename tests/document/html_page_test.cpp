#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/pad_chords.h"
#include "document/html_page.h"
#include "tests/document/doc_fixture.h"

namespace {

// The page's lines as the file holds them: CR LF between lines, none at the end.
std::string FileLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0)
            out += "\r\n";
        out += lines[i];
    }
    return out;
}

const char* const kDoctype =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">";

struct Shape {
    std::array<std::uint16_t, 6> frets;  // strings 1..6
    std::uint16_t base;
};

// Standard tuning throughout; records worked out by hand.
const Shape kOpenE{{0, 0, 1, 2, 2, 0}, 0};                   // 010B6890B4BG4B
const Shape kAMinorNoLowE{{0, 1, 2, 2, 0, 21}, 0};           // 01016D10H1B15B
const Shape kABarreAt5{{5, 5, 6, 7, 7, 5}, 5};               // 05148D201B16B1
const Shape kHighTriad{{12, 13, 14, 21, 21, 21}, 12};        // 0C0011A0HHH15B
const Shape kGBarreAt15{{15, 15, 16, 17, 17, 15}, 15};       // 0F148D20F8F48F
const Shape kSilent{{21, 21, 21, 21, 21, 21}, 0};            // 01000000HHHHHH

struct HtmlPage : DocFixture {
    void SetUp() override { startDoc(); }

    void setVoicings(const std::vector<Shape>& shapes)
    {
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const auto row = static_cast<std::uint16_t>(i);
            for (std::uint16_t s = 0; s < 6; ++s)
                *doc->m_aVoicings.At(row, s) = shapes[i].frets[s];
            *doc->m_aVoicings.At(row, voicing::kWindowStart) = shapes[i].base;
        }
        doc->m_nVoicingCount = static_cast<int>(shapes.size());
        doc->RecountPages();
    }

    void addPadChord(const Shape& shape, FlatSpellingFlags flags, bool shown, std::uint32_t attributes,
                     const std::string& name = {}, const std::string& name2 = {})
    {
        ScratchPadChordRow row;
        std::copy(shape.frets.begin(), shape.frets.end(), row.w.begin());
        row.w[pad::BaseFret] = shape.base;
        row.w[pad::FlatFlags] = flags;
        row.w[pad::NameShown] = shown ? 1 : 0;
        row.SetAttributes(attributes);
        testsupport::AppendPadChord(*doc, row, name, name2);
    }

    std::string page() const { return document::buildHtmlPage(*doc, frame); }
};

// The value of parameter `name` in a built page, or "<none>".
std::string ParamOf(const std::string& page, const std::string& name)
{
    const std::string key = "<param name=\"" + name + "\" value=\"";
    const std::size_t at = page.find(key);
    if (at == std::string::npos)
        return "<none>";
    const std::size_t start = at + key.size();
    return page.substr(start, page.find("\">", start) - start);
}

int ParamCount(const std::string& page, const std::string& prefix)
{
    int count = 0;
    for (std::size_t at = page.find(prefix); at != std::string::npos; at = page.find(prefix, at + 1))
        ++count;
    return count;
}

TEST_F(HtmlPage, SecondPageOfFoundChordsAtThreePerRow)
{
    doc->SetSizeIndex(0);  // three per row, nine per page
    doc->m_strChordTitle = "A major";
    doc->m_nNotefret = 1;
    doc->m_wFlatFlags = 0x08;  // Db
    std::vector<Shape> shapes(20, kSilent);
    const Shape secondPage[] = {kOpenE, kAMinorNoLowE, kABarreAt5, kHighTriad, kGBarreAt15,
                                kOpenE, kAMinorNoLowE, kABarreAt5, kHighTriad};
    std::copy(std::begin(secondPage), std::end(secondPage), shapes.begin() + 9);
    setVoicings(shapes);
    doc->m_nPage = 1;

    const std::string e = "010B6890B4BG4B000000";
    const std::string am = "01016D10H1B15B000000";
    const std::string a5 = "05148D201B17B1000000";
    const std::string hi = "0C0011A0HHH15B000000";
    const std::string g15 = "0F148D20F8F48F000000";
    EXPECT_EQ(page(), FileLines({
                          kDoctype,
                          "<html xmlns=\"http://www.w3.org/1999/xhtml\">",
                          "<head>",
                          "<title>A major</title>",
                          "</head>",
                          "<body bgcolor = C0C0C0 text = 000000>",
                          "<center><h1>A major</h1></center>",
                          "<p>",
                          "<applet code=\"Tonalith_App.class\" width=1060 height=1328 archive=\"Tonalith.jar\">",
                          "<param name=\"forgrnd_col\" value=\"000000\">",
                          "<param name=\"bkgrnd_col\" value=\"C0C0C0\">",
                          "<param name=\"font\" value=\"Helvetica\">",
                          "<param name=\"wdth\" value=\"3\">",
                          "<param name=\"red_scale\" value=\"no\">",
                          "<param name=\"prt_shrink\" value=\"yes\">",
                          "<param name=\"rwsep\" value=\"2\">",
                          "<param name=\"info1\" value=\"039" + e + am + a5 + "\">",
                          "<param name=\"info2\" value=\"" + hi + g15 + e + "\">",
                          "<param name=\"info3\" value=\"" + am + a5 + hi + "\">",
                          "</applet>",
                          "</body>",
                          "</html>",
                      }));
}

TEST_F(HtmlPage, ScratchPadWithNamesAndAttributes)
{
    doc->SetSizeIndex(0);
    doc->m_bScratchPadMode = true;
    doc->m_nDeutsch = 1;
    doc->m_strPadTitle = "Tom's \"Best\" <Pad>";
    frame.m_nBgcol = 0x336699;
    frame.m_nTxtcol = 0xFFFFFF;
    frame.m_nApplfont = 2;
    frame.m_nApplShrinkPrt = 0;
    frame.m_nApplRedScale = 1;
    frame.m_nApplLmgn = 81;
    frame.m_nApplRwsep = 13;
    frame.m_nChtitleTop = 0;
    // Fingers 1, 2, 3 on strings 3, 4, 5.
    addPadChord(kOpenE, 0x01, true, 1u << 12 | 2u << 15 | 3u << 18, "E", "open & <easy>");
    addPadChord(kAMinorNoLowE, 0, false, 1u << 5, "Am", "hidden");  // string 6 marked X
    addPadChord(kABarreAt5, 0x08, true, 0, "A");
    // Fret 0 under a window at 3 cannot be written and goes as not played,
    // its note code too.
    addPadChord({{3, 4, 5, 5, 21, 0}, 3}, 0, true, 0, "", "low");
    addPadChord(kHighTriad, 0, true, 1u << 6 | 5u << 9 | 1u << 5, "C/E");  // finger 1, thumb, X
    addPadChord(kGBarreAt15, 0, true, 0x3F, "G");
    addPadChord(kSilent, 0, true, 0);

    const std::string title = "Tom's &quot;Best&quot; &lt;Pad&gt;";
    EXPECT_EQ(page(),
              FileLines({
                  kDoctype,
                  "<html xmlns=\"http://www.w3.org/1999/xhtml\">",
                  "<head>",
                  "<title>" + title + "</title>",
                  "</head>",
                  "<body bgcolor = 336699 text = FFFFFF>",
                  "<center><h1>" + title + "</h1></center>",
                  "<p>",
                  "<applet code=\"Tonalith_App.class\" width=1060 height=1218 archive=\"Tonalith.jar\">",
                  "<param name=\"forgrnd_col\" value=\"FFFFFF\">",
                  "<param name=\"bkgrnd_col\" value=\"336699\">",
                  "<param name=\"font\" value=\"Courier\">",
                  "<param name=\"wdth\" value=\"3\">",
                  "<param name=\"red_scale\" value=\"yes\">",
                  "<param name=\"lmargin\" value=\"0\">",
                  "<param name=\"prt_shrink\" value=\"no\">",
                  "<param name=\"rwsep\" value=\"2\">",
                  "<param name=\"info1\" value=\"03C"
                  "010B6890B4B04B0D1000"
                  "01016D10H1B15B000020"
                  "05148D201B17B1000000\">",
                  "<param name=\"info2\" value=\""
                  "030091A0HHF59F000000"
                  "0C0011A0HHH15B000A60"
                  "0F148D20F8F48F00003F\">",
                  "<param name=\"info3\" value=\"01000000HHHHHH000000\">",
                  "<param name=\"chname1\" value=\"L^E~open &amp; &lt;easy&gt;^~^A~\">",
                  "<param name=\"chname2\" value=\"^~low^C/E~^G~\">",
                  "<param name=\"chname3\" value=\"^~^\">",
                  "</applet>",
                  "</body>",
                  "</html>",
              }));
}

TEST_F(HtmlPage, FretboardMapShowsTheChordNotes)
{
    doc->m_bChordDisplay = false;
    doc->m_strChordTitle = "C major";
    doc->m_wChordMask = 0x488;  // C E G
    doc->m_nVoicingCount = 5;
    doc->m_nNotefret = 1;  // no part of a fretboard page

    EXPECT_EQ(page(), FileLines({
                          kDoctype,
                          "<html xmlns=\"http://www.w3.org/1999/xhtml\">",
                          "<head>",
                          "<title>C major</title>",
                          "</head>",
                          "<body bgcolor = C0C0C0 text = 000000>",
                          "<center><h1>C major</h1></center>",
                          "<p>",
                          "<applet code=\"Tonalith_App.class\" width=680 height=248 archive=\"Tonalith.jar\">",
                          "<param name=\"forgrnd_col\" value=\"000000\">",
                          "<param name=\"bkgrnd_col\" value=\"C0C0C0\">",
                          "<param name=\"font\" value=\"Helvetica\">",
                          "<param name=\"wdth\" value=\"6\">",
                          "<param name=\"red_scale\" value=\"no\">",
                          "<param name=\"prt_shrink\" value=\"yes\">",
                          "<param name=\"rwsep\" value=\"2\">",
                          "<param name=\"info1\" value=\"01A"
                          "0BHHFHH0HH5HHH000000"
                          "0H5HHHB0HHFHHH000000"
                          "0FHHHH50HHHBHH000000"
                          "0HHBHHF0HHHH5H000000"
                          "0HHH5HH0HBHHFH000000"
                          "0BHHFHH0HH5HHH000000\">",
                          "</applet>",
                          "</body>",
                          "</html>",
                      }));
}

TEST_F(HtmlPage, FretboardWithoutVoicingsNamesEveryPosition)
{
    doc->m_bChordDisplay = false;
    doc->m_wFlatFlags = 0x40;  // Gb
    doc->m_nVoicingCount = 0;
    doc->m_nDeutsch = 1;
    const std::string info = ParamOf(page(), "info1");
    EXPECT_EQ(info.substr(0, 3), "01E");
    EXPECT_EQ(info.substr(3, 20), "0BCEFG10245689000000");
    EXPECT_EQ(info.size(), 3u + 6 * 20);
}

TEST_F(HtmlPage, DefaultFileNames)
{
    struct Case {
        const char* what;
        bool scratchPad, chordDisplay;
        const char* chordTitle;
        const char* padTitle;
        const char* padTitle2;
        const char* fileName;
    };
    const Case cases[] = {
        {"plain", false, true, "A major", "", "", "A_major"},
        {"sharp and slash", false, true, "C#/Db major", "", "", "Cshp_Db_major"},
        {"equivalents", false, true, "D minor seventh:F maj sixth", "", "", "D_minor_seventh+F_maj_sixth"},
        {"fretboard without title", false, false, "", "", "", "fretboard"},
        {"fretboard", false, false, "E minor", "", "", "E_minor_fb"},
        {"pad's loaded page name", true, true, "A major", "Scratch Pad", "my page", "my_page"},
        {"pad title", true, false, "A major", "Scratch Pad", "", "Scratch_Pad"},
        {"first character", false, true, ":/ x", "", "", "+__x"},
        {"at most four sharps", false, true, "#####", "", "", "shpshpshpshp#"},
    };
    for (const Case& c : cases) {
        doc->m_bScratchPadMode = c.scratchPad;
        doc->m_bChordDisplay = c.chordDisplay;
        doc->m_strChordTitle = c.chordTitle;
        doc->m_strPadTitle = c.padTitle;
        doc->m_strPadTitle2 = c.padTitle2;
        EXPECT_EQ(document::HtmlDefaultNames(*doc).fileName, c.fileName) << c.what;
    }
}

TEST_F(HtmlPage, PageTitleIsTheUnchangedName)
{
    doc->m_strChordTitle = "C#/Db major";
    EXPECT_NE(page().find("<title>C#/Db major</title>"), std::string::npos);
    doc->m_bScratchPadMode = true;
    doc->m_strPadTitle2 = "loaded";
    addPadChord(kOpenE, 0, false, 0);
    EXPECT_NE(page().find("<title>loaded</title>"), std::string::npos);
    frame.m_nPgtitle = 0;
    EXPECT_NE(page().find("<title></title>\r\n</head>\r\n<body bgcolor = C0C0C0 text = 000000>\r\n"
                          "<center><h1></h1></center>"),
              std::string::npos);
}

TEST_F(HtmlPage, SettingsOutsideTheirRanges)
{
    struct Case {
        int rwsep, lmgn, font;
        const char* rwsepText;
        const char* lmarginText;
        const char* fontText;
    };
    const Case cases[] = {
        {13, 81, 0, "2", "0", "Helvetica"}, {-1, 80, 1, "2", "80", "TimesRoman"},
        {12, 0, 2, "12", "0", "Courier"},   {0, 5, 3, "0", "5", "Helvetica"},
    };
    setVoicings({kOpenE});
    frame.m_nApplRedScale = 1;
    for (const Case& c : cases) {
        frame.m_nApplRwsep = c.rwsep;
        frame.m_nApplLmgn = c.lmgn;
        frame.m_nApplfont = c.font;
        const std::string text = page();
        EXPECT_EQ(ParamOf(text, "rwsep"), c.rwsepText) << c.rwsep;
        EXPECT_EQ(ParamOf(text, "lmargin"), c.lmarginText) << c.lmgn;
        EXPECT_EQ(ParamOf(text, "font"), c.fontText) << c.font;
    }
}

TEST_F(HtmlPage, FlagDigit)
{
    struct Case {
        bool fretboard;
        int deutsch, notefret;
        char digit;
    };
    const Case cases[] = {
        {false, 0, 0, '8'}, {false, 0, 1, '9'}, {false, 1, 0, 'C'},
        {false, 1, 1, 'D'}, {true, 0, 1, 'A'},  {true, 1, 1, 'E'},
    };
    setVoicings({kOpenE});
    for (const Case& c : cases) {
        doc->m_bChordDisplay = !c.fretboard;
        doc->m_nDeutsch = c.deutsch;
        doc->m_nNotefret = c.notefret;
        EXPECT_EQ(ParamOf(page(), "info1")[2], c.digit) << c.fretboard << c.deutsch << c.notefret;
    }
}

TEST_F(HtmlPage, RowsAndSizes)
{
    struct Case {
        const char* what;
        int sizeIndex;
        int voicings;
        int page;
        bool allPages;
        int infoParams;
        int lastRecords;
        char rowsDigit;
        const char* size;
    };
    const Case cases[] = {
        {"seven at four per row", 1, 7, 0, false, 2, 3, '2', "width=1060 height=684 "},
        {"one chord", 3, 1, 0, false, 1, 1, '1', "width=1060 height=248 "},
        {"second page of 20 at three per row", 0, 20, 1, false, 3, 3, '3', "width=1060 height=1328 "},
        {"last page", 0, 20, 2, false, 1, 2, '1', "width=1060 height=496 "},
        {"every page", 0, 30, 2, true, 10, 3, 'a', "width=1060 height=4240 "},
        {"35 rows", 0, 105, 0, true, 35, 3, 'z', "height=14640 "},
        {"more rows than one digit holds", 0, 150, 0, true, 50, 3, 'z', "height=20880 "},
        {"five per row", 2, 25, 0, false, 5, 5, '5', "width=1060 height=1350 "},
    };
    for (const Case& c : cases) {
        doc->SetSizeIndex(c.sizeIndex);
        setVoicings(std::vector<Shape>(static_cast<std::size_t>(c.voicings), kOpenE));
        doc->m_nPage = c.page;
        frame.m_nApplAp = c.allPages ? 1 : 0;
        const std::string text = page();
        EXPECT_EQ(ParamCount(text, "<param name=\"info"), c.infoParams) << c.what;
        const std::string last = ParamOf(text, "info" + std::to_string(c.infoParams));
        EXPECT_EQ(last.size() - (c.infoParams == 1 ? 3 : 0), 20u * static_cast<std::size_t>(c.lastRecords))
            << c.what;
        EXPECT_EQ(ParamOf(text, "info1")[1], c.rowsDigit) << c.what;
        EXPECT_NE(text.find(c.size), std::string::npos) << c.what;
    }
}

TEST_F(HtmlPage, ScratchPadUndisplayedChords)
{
    doc->SetSizeIndex(1);  // four per row, sixteen per page
    doc->m_bScratchPadMode = true;
    for (int i = 0; i < 20; ++i)
        addPadChord(kOpenE, 0, true, 0, "c" + std::to_string(i));
    EXPECT_EQ(ParamCount(page(), "<param name=\"info"), 4);
    frame.m_nApplSpUd = 1;
    const std::string text = page();
    EXPECT_EQ(ParamCount(text, "<param name=\"info"), 5);
    EXPECT_EQ(ParamOf(text, "info1")[1], '5');
    // Every chord written keeps its names, so the page loads back whole.
    EXPECT_EQ(ParamCount(text, "<param name=\"chname"), 5);
    EXPECT_EQ(ParamOf(text, "chname4"), "^c12~^c13~^c14~^c15~");
    EXPECT_EQ(ParamOf(text, "chname5"), "^c16~^c17~^c18~^c19~^");
    EXPECT_NE(text.find("height=" + std::to_string(6 * (4 * 52 + 62)) + " "), std::string::npos);
}

TEST_F(HtmlPage, NoteCodes)
{
    struct Case {
        PitchClassMask note;
        FlatSpellingFlags flags;
        char code;
    };
    const Case cases[] = {
        {0x001, 0xFF, '1'}, {0x002, 0, '2'},     {0x002, 0x02, '3'}, {0x004, 0xFF, '4'}, {0x008, 0, '5'},
        {0x010, 0, '6'},    {0x010, 0x08, '7'},  {0x020, 0, '8'},    {0x040, 0, '9'},    {0x040, 0x10, 'A'},
        {0x080, 0, 'B'},    {0x100, 0, 'C'},     {0x200, 0, 'D'},    {0x200, 0x40, 'E'}, {0x400, 0, 'F'},
        {0x800, 0, 'G'},    {0x800, 0x01, '0'},  {0x800, 0xFE, 'G'}, {0x000, 0, 'H'},    {0x003, 0, 'H'},
        {0x1000, 0, 'H'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(document::GetHtmlNoteCode(c.note, c.flags), c.code) << c.note << " " << c.flags;
    EXPECT_EQ(document::SpellingFlagsFromHtmlCodes("037AEH"), 0x5B);
    EXPECT_EQ(document::SpellingFlagsFromHtmlCodes("BBBBBB0"), 0);  // seven is past the codes
    EXPECT_EQ(document::SpellingFlagsFromHtmlCodes("0"), 0x01);
}

TEST_F(HtmlPage, SwapRedBlue)
{
    EXPECT_EQ(document::SwapRedBlue(0x00112233), 0x332211u);
    EXPECT_EQ(document::SwapRedBlue(0xFF112233), 0x332211u);
    EXPECT_EQ(document::SwapRedBlue(document::SwapRedBlue(0x800000)), 0x800000u);
}

TEST_F(HtmlPage, EscapesRoundTrip)
{
    const std::string text = "a&b<c>\"d\" &amp; '^x~";
    EXPECT_EQ(document::EscapeHtml(text), "a&amp;b&lt;c&gt;&quot;d&quot; &amp;amp; '&#94;x&#126;");
    EXPECT_EQ(document::UnescapeHtml(document::EscapeHtml(text)), text);
    EXPECT_EQ(document::UnescapeHtml("&amp &lt;&#39;&"), "&amp <&#39;&");
}

TEST_F(HtmlPage, SaveCommandState)
{
    struct Case {
        bool scratchPad, chordDisplay;
        int padCount, voicings;
        bool enabled;
    };
    const Case cases[] = {
        {true, true, 0, 5, false}, {true, true, 1, 0, true},   {false, true, 3, 0, false},
        {false, true, 0, 1, true}, {false, false, 0, 0, true},
    };
    for (const Case& c : cases) {
        doc->m_bScratchPadMode = c.scratchPad;
        doc->m_bChordDisplay = c.chordDisplay;
        doc->m_nPadCount = c.padCount;
        doc->m_nVoicingCount = c.voicings;
        CCmdUI ui;
        doc->OnUpdateFileSaveAsHtml(ui);
        EXPECT_EQ(ui.enabled, c.enabled) << c.scratchPad << c.chordDisplay << c.padCount << c.voicings;
    }
}

}  // namespace
