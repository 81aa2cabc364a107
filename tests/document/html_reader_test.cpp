#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/pad_chords.h"
#include "document/html_page.h"
#include "tests/document/doc_fixture.h"

namespace {

using document::ParsedPage;

ParsedPage Parse(const std::string& bytes)
{
    std::istringstream in(bytes);
    return document::parseAppletPage(in);
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::string Info(int k, const std::string& value)
{
    return "<param name=\"info" + std::to_string(k) + "\" value=\"" + value + "\">";
}

std::string Names(int k, const std::string& value)
{
    return "<param name=\"chname" + std::to_string(k) + "\" value=\"" + value + "\">";
}

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

const std::string kTitle = "<title>Page</title>";
const std::string kOpenE = "010B6890B4BG4B000000";  // 0 0 1 2 2 0 at the nut
const std::string kAMinor = "01016D10H1B15B000000";  // 0 1 2 2 0 x

using Frets = std::array<std::uint16_t, 6>;

Frets FretsOf(const ScratchPadChordRow& row)
{
    return {row.w[0], row.w[1], row.w[2], row.w[3], row.w[4], row.w[5]};
}

TEST(HtmlReader, EdgeCases)
{
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int chords;
        std::function<void(const ParsedPage&)> check;
    };
    const std::string name28(28, 'n');
    const std::string name29(29, 'n');
    std::string accented28;
    for (int i = 0; i < 28; ++i)
        accented28 += "\xC3\xA9";
    const Case cases[] = {
        {"string 6 offset 0 is not played", {kTitle, Info(1, "028" + kAMinor)}, 1,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[0]), (Frets{0, 1, 2, 2, 0, 21}));
             EXPECT_EQ(p.chords[0]->w[pad::BaseFret], 1);
         }},
        {"position 1 offset 1 is open, position 5 offset 2 is fret 5",
         {kTitle, Info(1, "028" "0100001" "0HHHHHB000000" "0500002" "0HHHHH1000000")}, 2,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[0]), (Frets{0, 21, 21, 21, 21, 21}));
             EXPECT_EQ(FretsOf(*p.chords[1]), (Frets{5, 21, 21, 21, 21, 21}));
             EXPECT_EQ(p.chords[1]->w[pad::BaseFret], 5);
         }},
        {"title cut to 30 characters", {"<title>" + std::string(40, 't') + "</title>"}, 0,
         [](const ParsedPage& p) { EXPECT_EQ(p.title, std::string(30, 't')); }},
        {"title cut by characters, not bytes", {"<title>" + accented28 + accented28 + "</title>"}, 0,
         [&](const ParsedPage& p) { EXPECT_EQ(p.title, accented28 + accented28.substr(0, 4)); }},
        {"title escapes", {"<title>R&amp;B &lt;1&gt;</title>"}, 0,
         [](const ParsedPage& p) { EXPECT_EQ(p.title, "R&B <1>"); }},
        {"closing tag before the opening one", {"</title><title>x"}, 0,
         [](const ParsedPage& p) {
             EXPECT_TRUE(p.hasTitle);
             EXPECT_EQ(p.title, "");
         }},
        {"Windows-1252 title", {"<title>Caf\xE9</title>"}, 0,
         [](const ParsedPage& p) { EXPECT_EQ(p.title, "Caf\xC3\xA9"); }},
        {"parameters before the title are not looked for", {Info(1, "028" + kOpenE), kTitle}, 0,
         [](const ParsedPage& p) { EXPECT_TRUE(p.hasTitle); }},
        {"attributes of the current layout", {kTitle, Info(1, "028" "010B6890B4BG4BCD1000")}, 1,
         [](const ParsedPage& p) {
             EXPECT_EQ(p.chords[0]->w[pad::AttributesHigh], 0xCD);
             EXPECT_EQ(p.chords[0]->w[pad::AttributesLow], 0x1000);
         }},
        {"older layout: 14-character records, no attributes",
         {kTitle, Info(1, "020" "010B6890B4BG4B" "01016D10H1B15B")}, 2,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[1]), (Frets{0, 1, 2, 2, 0, 21}));
             EXPECT_EQ(p.chords[1]->Attributes(), 0u);
         }},
        {"lower-case hexadecimal", {kTitle, Info(1, "02d" "010b6890B4BG4B0d1000")}, 1,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[0]), (Frets{0, 0, 1, 2, 2, 0}));
             EXPECT_EQ(p.chords[0]->Attributes(), 0xD1000u);
         }},
        {"spelling from the note codes", {kTitle, Info(1, "028" "010B6890B4B04B000000" "0503A0000A370E000000")}, 2,
         [](const ParsedPage& p) {
             EXPECT_EQ(p.chords[0]->w[pad::FlatFlags], 0x01);
             EXPECT_EQ(p.chords[1]->w[pad::FlatFlags], 0x5B);
         }},
        {"position G ends the parameter", {kTitle, Info(1, "028" + kOpenE + "0G0B6890B4BG4B000000" + kOpenE)}, 1,
         nullptr},
        {"position 0 ends the parameter", {kTitle, Info(1, "028" + kOpenE + "000B6890B4BG4B000000")}, 1, nullptr},
        {"offsets that are not hexadecimal", {kTitle, Info(1, "028" + kOpenE + "010B6X90B4BG4B000000")}, 1, nullptr},
        {"attributes that are not hexadecimal", {kTitle, Info(1, "028" + kOpenE + "010B6890B4BG4B00000-")}, 1, nullptr},
        {"record cut short at the end of the value", {kTitle, Info(1, "028" + kOpenE + kOpenE.substr(0, 19))}, 1,
         nullptr},
        {"record cut short where the value ends early", {kTitle, "<param name=\"info1\" value=\"028" + kOpenE +
                                                                    "010B68\">90B4BG4B000000"}, 1, nullptr},
        {"seven chords at four per row", {kTitle, Info(1, "029" + kOpenE + kOpenE + kOpenE + kOpenE),
                                          Info(2, kAMinor + kAMinor + kAMinor),
                                          Names(1, "U^a~A^b~B^c~C^d~D"), Names(2, "^e~E^f~F^g~G^")}, 7,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[3]), (Frets{0, 0, 1, 2, 2, 0}));
             EXPECT_EQ(FretsOf(*p.chords[4]), (Frets{0, 1, 2, 2, 0, 21}));
             EXPECT_EQ(p.names[3]->name, "d");
             EXPECT_EQ(p.names[4]->name, "e");
             EXPECT_EQ(p.names[6]->name2, "G");
         }},
        {"names of 28 characters are kept, of 29 dropped",
         {kTitle, Info(1, "028" + kOpenE + kOpenE + kOpenE),
          Names(1, "U^" + name28 + "~" + name29 + "^" + accented28 + "~x^&lt;b&gt;~&quot;&amp;&quot;^")}, 3,
         [&](const ParsedPage& p) {
             EXPECT_EQ(p.names[0]->name, name28);
             EXPECT_EQ(p.names[0]->name2, "");
             EXPECT_EQ(p.names[1]->name, accented28);
             EXPECT_EQ(p.names[2]->name, "<b>");
             EXPECT_EQ(p.names[2]->name2, "\"&\"");
         }},
        {"an item without a tilde sets no names", {kTitle, Info(1, "028" + kOpenE + kOpenE), Names(1, "U^lost^b~B^")},
         2,
         [](const ParsedPage& p) {
             EXPECT_FALSE(p.names[0]);
             EXPECT_EQ(p.names[1]->name, "b");
         }},
        {"a long name line keeps every row's names",
         {kTitle, Info(1, "028" + kOpenE + kOpenE + kOpenE + kOpenE + kOpenE + kOpenE),
          Names(1, "U^" + name28 + "~" + name28 + "^" + name28 + "~" + name28 + "^" + name28 + "~" + name28 + "^" +
                       name28 + "~" + name28 + "^" + name28 + "~" + name28 + "^six~" + name28 + "^"),
          Info(2, kAMinor), Names(2, "^seven~^")}, 7,
         [&](const ParsedPage& p) {
             EXPECT_EQ(p.names[5]->name, "six");
             EXPECT_EQ(p.names[5]->name2, name28);
             EXPECT_EQ(p.names[6]->name, "seven");
         }},
        {"a repeated info line is ignored", {kTitle, Info(1, "028" + kOpenE), Info(1, "028" + kAMinor + kAMinor)}, 1,
         [](const ParsedPage& p) { EXPECT_EQ(FretsOf(*p.chords[0]), (Frets{0, 0, 1, 2, 2, 0})); }},
        {"rows before the first one have no place", {kTitle, Info(2, kAMinor), Info(1, "028" + kOpenE)}, 1, nullptr},
        {"unknown parameter numbers", {kTitle, Info(1, "028" + kOpenE), Info(7, kAMinor), Info(0, kAMinor),
                                       "<param name=\"info12\" value=\"" + kAMinor + "\">"}, 1, nullptr},
        {"a parameter must begin the line", {kTitle, " " + Info(1, "028" + kOpenE)}, 0, nullptr},
        {"a missing row leaves the later ones out",
         {kTitle, Info(1, "028" + kOpenE + kOpenE), Info(3, kAMinor + kAMinor)}, 2,
         [](const ParsedPage& p) { EXPECT_TRUE(p.chords[4]); }},
        {"a first row of more than six chords places no other row",
         {kTitle, Info(1, "028" + kOpenE + kOpenE + kOpenE + kOpenE + kOpenE + kOpenE + kOpenE), Info(2, kAMinor),
          Names(1, "U^a~^b~^c~^d~^e~^f~^g~^"), Names(2, "^h~^")}, 7,
         [](const ParsedPage& p) {
             EXPECT_EQ(FretsOf(*p.chords[0]), (Frets{0, 0, 1, 2, 2, 0}));
             EXPECT_EQ(p.names[5]->name, "f");
             EXPECT_FALSE(p.names[6]);
         }},
        {"fretboard page", {kTitle, Info(1, "01A" + std::string(120, '0')), Info(2, kOpenE)}, 0,
         [](const ParsedPage& p) {
             EXPECT_TRUE(p.fretboard);
             EXPECT_FALSE(p.chords[0]);
         }},
        {"lines end with LF only", {"<title>x</title>\n" + Info(1, "028" + kOpenE) + "\n" + Info(2, kOpenE)}, 2,
         nullptr},
        {"at most 36 chords", {kTitle, Info(1, "028" + Repeat(kOpenE, 6)), Info(2, Repeat(kOpenE, 6)),
                               Info(3, Repeat(kOpenE, 6)), Info(4, Repeat(kOpenE, 6)), Info(5, Repeat(kOpenE, 6)),
                               Info(6, Repeat(kAMinor, 8))},
         36,
         [](const ParsedPage& p) { EXPECT_EQ(p.chords[35]->w[5], 21); }},
    };
    for (const Case& c : cases) {
        const ParsedPage page = Parse(Lines(c.lines));
        EXPECT_EQ(page.ChordCount(), c.chords) << c.what;
        if (c.check) {
            SCOPED_TRACE(c.what);
            c.check(page);
        }
    }
}

TEST(HtmlReader, ReadsAtMost2000Lines)
{
    struct Case {
        int fillerLines;
        int chords;
    };
    for (const Case c : {Case{1998, 1}, Case{1999, 0}}) {
        std::vector<std::string> lines{kTitle};
        lines.insert(lines.end(), static_cast<std::size_t>(c.fillerLines), "<p>");
        lines.push_back(Info(1, "028" + kOpenE));
        EXPECT_EQ(Parse(Lines(lines)).ChordCount(), c.chords) << c.fillerLines;
    }
}

// Input that is not a page, or a broken one, never yields a chord the page
// does not hold.
TEST(HtmlReader, MalformedInput)
{
    struct Case {
        const char* what;
        std::string bytes;
        int chords;
    };
    const std::string valid = Lines({kTitle, Info(1, "028" + kOpenE)});
    const Case cases[] = {
        {"empty", "", 0},
        {"no line end", "<title>x</title>", 0},
        {"value without its end", Lines({kTitle, "<param name=\"info1\" value=\"028" + kOpenE}), 0},
        {"no value", Lines({kTitle, "<param name=\"info1\" \">" + kOpenE}), 0},
        {"empty value", Lines({kTitle, Info(1, "")}), 0},
        {"value of one character", Lines({kTitle, Info(1, "0")}), 0},
        {"flag digit that is not hexadecimal", Lines({kTitle, Info(1, "02x" + kOpenE)}), 0},
        {"only the flag digit", Lines({kTitle, Info(1, "028")}), 0},
        {"names only", Lines({kTitle, Names(1, "U^a~b^")}), 0},
        {"name parameter without carets", Lines({kTitle, Info(1, "028" + kOpenE), Names(1, "Ua~b")}), 1},
        {"parameter name cut short", Lines({kTitle, "<param name=\"info"}), 0},
        {"NUL and high bytes", Lines({kTitle, std::string("<param name=\"info1\" value=\"028\0\xFF\xFE", 33) + kOpenE +
                                                  "\">"}),
         0},
        {"NUL inside a record", Lines({kTitle, Info(1, "028" + std::string("010B689\0" "B4BG4B000000", 20))}), 1},
        {"overlong line before the parameters", Lines({kTitle, std::string(1 << 20, 'x'), Info(1, "028" + kOpenE)}),
         1},
        {"overlong value stops at 36 chords", Lines({kTitle, Info(1, "028" + std::string(1 << 16, '1'))}), 36},
        {"lone carriage returns stay in the line", std::string(5000, '\r') + valid, 1},
        {"a thirteenth row has no place", Lines({kTitle, Info(1, "028" + kOpenE), Info(13, kOpenE)}), 1},
        {"a leading zero is no row number", Lines({kTitle, "<param name=\"info01\" value=\"028" + kOpenE + "\">"}), 0},
        {"a tenth row after a gap is not counted", Lines({kTitle, Info(1, "028" + kOpenE), Info(10, kOpenE)}), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.bytes).ChordCount(), c.chords) << c.what;
}

struct HtmlLoad : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->m_bScratchPadMode = true;
        doc->SetSizeIndex(1);  // four per row
    }

    void addPadChord(const Frets& frets, std::uint16_t base, FlatSpellingFlags flags, std::uint32_t attributes,
                     const std::string& name, const std::string& name2)
    {
        ScratchPadChordRow row;
        std::copy(frets.begin(), frets.end(), row.w.begin());
        row.w[pad::BaseFret] = base;
        row.w[pad::FlatFlags] = flags;
        row.w[pad::NameShown] = 1;
        row.SetAttributes(attributes);
        testsupport::AppendPadChord(*doc, row, name, name2);
    }

    // Seven chords at four per row: two rows of each parameter.
    void fillSevenChords()
    {
        addPadChord({0, 0, 1, 2, 2, 0}, 0, 0x01, 1u << 12 | 2u << 15 | 3u << 18, "E", "open");
        addPadChord({0, 1, 2, 2, 0, 21}, 0, 0, 1u << 5, "Am", "");
        addPadChord({5, 5, 6, 7, 7, 5}, 5, 0x08, 5u << 21 | 0x21, "", "A barre");
        addPadChord({1, 1, 2, 3, 3, 1}, 1, 0, 0, "F", "R&B <one> \"two\"");
        addPadChord({12, 13, 14, 21, 21, 21}, 12, 0, 1u << 6 | 5u << 9, "C/E", "");
        addPadChord({15, 15, 16, 17, 17, 15}, 15, 0, 0x3F, "G", "high");
        // Spellings come back through the note codes, so each flag here names a note of its chord.
        addPadChord({3, 3, 3, 5, 5, 3}, 3, 0x02, 4u << 6, std::string(28, 'n'), "\xC3\xA9t\xC3\xA9");
        doc->m_strPadTitle = "Set & <list>";
    }

    struct Snapshot {
        int count;
        std::vector<ScratchPadChordRow> rows;
        std::vector<std::string> names, names2;
        std::string title;
    };
    Snapshot snapshot() const
    {
        Snapshot s{doc->m_nPadCount, {}, {}, {}, doc->m_strPadTitle};
        for (int i = 0; i < pad::kMaxChords; ++i) {
            s.rows.push_back(doc->GetPadRow(i));
            s.names.push_back(doc->m_astrPadNames[static_cast<std::size_t>(i)]);
            s.names2.push_back(doc->m_astrPadNames2[static_cast<std::size_t>(i)]);
        }
        return s;
    }
    void expectUnchanged(const Snapshot& before) const
    {
        const Snapshot now = snapshot();
        EXPECT_EQ(now.count, before.count);
        EXPECT_EQ(now.title, before.title);
        for (int i = 0; i < pad::kMaxChords; ++i) {
            EXPECT_EQ(now.rows[static_cast<std::size_t>(i)].w, before.rows[static_cast<std::size_t>(i)].w) << i;
            EXPECT_EQ(now.names[static_cast<std::size_t>(i)], before.names[static_cast<std::size_t>(i)]) << i;
            EXPECT_EQ(now.names2[static_cast<std::size_t>(i)], before.names2[static_cast<std::size_t>(i)]) << i;
        }
    }
};

TEST_F(HtmlLoad, RoundTripGivesTheSameChords)
{
    fillSevenChords();
    const Snapshot before = snapshot();
    ParsedPage page = Parse(document::buildHtmlPage(*doc, frame));
    page.secondTitle = "saved";
    doc->ClearScratchPad();
    const int updates = ui.updates;
    ASSERT_EQ(document::applyToScratchPad(*doc, page), document::PageLoad::Loaded);

    EXPECT_EQ(doc->m_nPadCount, 7);
    EXPECT_EQ(doc->m_strPadTitle, "Set & <list>");
    EXPECT_EQ(doc->m_strPadTitle2, "saved");
    for (int i = 0; i < 7; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ScratchPadChordRow expected = before.rows[at];
        // A window at the nut is written as position 1.
        if (expected.w[pad::BaseFret] == 0)
            expected.w[pad::BaseFret] = 1;
        EXPECT_EQ(doc->GetPadRow(i).w, expected.w) << i;
        EXPECT_EQ(doc->m_astrPadNames[at], before.names[at]) << i;
        EXPECT_EQ(doc->m_astrPadNames2[at], before.names2[at]) << i;
    }
    EXPECT_EQ(ui.updates, updates + 1);
    EXPECT_EQ(ui.title, "Scratch Pad");
}

TEST_F(HtmlLoad, NamesWithEveryEscapedCharacterComeBack)
{
    struct Case {
        std::string name, name2;
    };
    // Four per row, so the names run over two chname parameters.
    const std::vector<Case> cases = {
        {"a^b", "x"},  // as written unescaped, these split and took the next chord's names
        {"second", "y"},
        {"~", "^"},
        {"^~^", "~~"},
        {"R&B", "<i> & \"q\""},
        {"&#94; &#126; &amp;", "&"},  // entities typed as text stay text
        {"", "^"},
        {"a^b~c&d<e>f\"g", ""},
    };
    for (const Case& c : cases)
        addPadChord({0, 0, 1, 2, 2, 0}, 0, 0, 0, c.name, c.name2);
    ParsedPage page = Parse(document::buildHtmlPage(*doc, frame));
    doc->ClearScratchPad();
    ASSERT_EQ(document::applyToScratchPad(*doc, page), document::PageLoad::Loaded);
    ASSERT_EQ(doc->m_nPadCount, static_cast<int>(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(doc->m_astrPadNames[i], cases[i].name) << i;
        EXPECT_EQ(doc->m_astrPadNames2[i], cases[i].name2) << i;
    }
}

TEST_F(HtmlLoad, AFullPadAtThreeARowComesBackWhole)
{
    // Twelve rows of three: parameters info1..info12 and chname1..chname12.
    doc->SetSizeIndex(0);
    frame.m_nApplSpUd = 1;
    for (int i = 0; i < pad::kMaxChords; ++i) {
        const auto f = static_cast<std::uint16_t>(1 + i % 10);
        addPadChord({f, f, f, 21, 21, 21}, f, 0, static_cast<std::uint32_t>(i % 6) << 6, "n" + std::to_string(i),
                    "m" + std::to_string(i));
    }
    const Snapshot before = snapshot();
    const std::string html = document::buildHtmlPage(*doc, frame);
    ASSERT_NE(html.find("<param name=\"info12\""), std::string::npos);
    ParsedPage page = Parse(html);
    doc->ClearScratchPad();
    ASSERT_EQ(document::applyToScratchPad(*doc, page), document::PageLoad::Loaded);
    ASSERT_EQ(doc->m_nPadCount, 36);
    for (int i = 0; i < pad::kMaxChords; ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_EQ(doc->GetPadRow(i).w, before.rows[at].w) << i;
        EXPECT_EQ(doc->m_astrPadNames[at], before.names[at]) << i;
        EXPECT_EQ(doc->m_astrPadNames2[at], before.names2[at]) << i;
    }
}

TEST_F(HtmlLoad, LoadReplacesWhatThePadHeld)
{
    for (int i = 0; i < 10; ++i)
        addPadChord({1, 1, 1, 1, 1, 1}, 1, 0x7F, 0x3FFFFFF, "old", "old2");
    const std::string bytes =
        Lines({"<title>New</title>", Info(1, "020" "010B6890B4BG4B" "01016D10H1B15B"), Names(1, "U^~^~x^")});
    ASSERT_EQ(document::applyToScratchPad(*doc, Parse(bytes)), document::PageLoad::Loaded);
    EXPECT_EQ(doc->m_nPadCount, 2);
    EXPECT_EQ(doc->m_strPadTitle, "New");
    for (int i = 0; i < 2; ++i) {
        const ScratchPadChordRow row = doc->GetPadRow(i);
        EXPECT_EQ(row.Attributes(), 0u) << i;
        EXPECT_EQ(row.w[pad::FlatFlags], 0) << i;
        EXPECT_EQ(doc->m_astrPadNames[static_cast<std::size_t>(i)], "") << i;
    }
    // Shown only where a name came.
    EXPECT_EQ(doc->GetPadRow(0).w[pad::NameShown], 0);
    EXPECT_EQ(doc->GetPadRow(1).w[pad::NameShown], 1);
    EXPECT_EQ(doc->m_astrPadNames2[1], "x");
}

TEST_F(HtmlLoad, PagesWithoutChordsLeaveThePadAlone)
{
    struct Case {
        const char* what;
        std::string bytes;
        document::PageLoad result;
    };
    const Case cases[] = {
        {"no title", Lines({Info(1, "028" + kOpenE)}), document::PageLoad::NoChords},
        {"title only", Lines({"<title>Some other page</title>"}), document::PageLoad::NoChords},
        {"no records", Lines({kTitle, Info(1, "028"), Names(1, "U^a~b^")}), document::PageLoad::NoChords},
        {"fretboard", Lines({kTitle, Info(1, "01A" + std::string(120, 'H'))}), document::PageLoad::Fretboard},
    };
    fillSevenChords();
    doc->m_strPadTitle2 = "before";
    const Snapshot before = snapshot();
    const int updates = ui.updates;
    for (const Case& c : cases) {
        ParsedPage page = Parse(c.bytes);
        page.secondTitle = "other";
        EXPECT_EQ(document::applyToScratchPad(*doc, page), c.result) << c.what;
        SCOPED_TRACE(c.what);
        expectUnchanged(before);
        EXPECT_EQ(doc->m_strPadTitle2, "before");
    }
    EXPECT_EQ(ui.updates, updates);
}

// Every cut of a page we wrote loads a leading part of its chords, each as saved.
TEST_F(HtmlLoad, TruncatedPagesLoadOnlyWholeChords)
{
    fillSevenChords();
    const Snapshot before = snapshot();
    const std::string bytes = document::buildHtmlPage(*doc, frame);
    int loadedWhole = 0;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        const ParsedPage page = Parse(bytes.substr(0, cut));
        const int count = page.ChordCount();
        ASSERT_LE(count, 7) << cut;
        for (int i = 0; i < count; ++i) {
            ScratchPadChordRow expected = before.rows[static_cast<std::size_t>(i)];
            if (expected.w[pad::BaseFret] == 0)
                expected.w[pad::BaseFret] = 1;
            expected.w[pad::NameShown] = 0;  // set from the names when applied
            ASSERT_EQ(page.chords[static_cast<std::size_t>(i)]->w, expected.w) << cut << " " << i;
        }
        loadedWhole += count == 7;
    }
    EXPECT_GT(loadedWhole, 0);
}

// Any byte of a page replaced by another still gives chords that can be drawn and played.
TEST_F(HtmlLoad, CorruptedBytesGiveOnlyPlayableChords)
{
    fillSevenChords();
    const std::string bytes = document::buildHtmlPage(*doc, frame);
    const char replacements[] = {'\0', '\xFF', 'G', '0', '"', '>', '^', '~', '\n', 'f'};
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (char r : replacements) {
            std::string broken = bytes;
            broken[at] = r;
            const ParsedPage page = Parse(broken);
            for (int i = 0; i < page.ChordCount(); ++i) {
                const ScratchPadChordRow& row = *page.chords[static_cast<std::size_t>(i)];
                for (int s = 0; s < 6; ++s)
                    ASSERT_TRUE(row.w[static_cast<std::size_t>(s)] <= 20 || row.w[static_cast<std::size_t>(s)] == 21)
                        << at;
                ASSERT_GE(row.w[pad::BaseFret], 1) << at;
                ASSERT_LE(row.w[pad::BaseFret], 15) << at;
            }
            for (const auto& names : page.names) {
                if (names) {
                    ASSERT_LT(names->name.size(), 29u * 4) << at;
                    ASSERT_LT(names->name2.size(), 29u * 4) << at;
                }
            }
        }
    }
}

}  // namespace
