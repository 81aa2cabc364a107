// What the attributes dialog of a Scratch Pad chord gets from the document
// and what its OK writes back.
#include "document/pad_attributes_port.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/pad_chords.h"

namespace {

struct PadAttributes : DocFixture {
    void SetUp() override
    {
        frame.m_nPgtitle = 1;
        startDoc();
        ScratchPadChordRow row;
        row.w = {0, 1, 0, 2, 3, 21, 0, 0x08, 1, 0, 0};
        row.SetAttributes(pad::PackAttributes({0, 1, 0, 2, 5, 0}, {0, 0, 0, 0, 0, 1}));
        testsupport::AppendPadChord(*doc, ScratchPadChordRow{}, "first", "");
        testsupport::AppendPadChord(*doc, row, "C", "major");
        doc->m_strPadTitle = "Songs";
    }
};

TEST_F(PadAttributes, ThePresetIsTheChordsRowNamesAndThePageTitle)
{
    const ports::PadAttributesPreset preset = doc->MakePadAttributesPreset(1);
    const ports::PadChordAttributes& v = preset.values;
    EXPECT_EQ(v.words, (std::array<std::uint16_t, 8>{0, 1, 0, 2, 3, 21, 0, 0x08}));
    EXPECT_EQ(v.upperLine, "C");
    EXPECT_EQ(v.lowerLine, "major");
    EXPECT_EQ(v.showChordTitle, 1);
    EXPECT_EQ(v.fingers, (std::array<int, 6>{0, 1, 0, 2, 5, 0}));
    EXPECT_EQ(v.marks, (std::array<int, 6>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(v.showPageTitle, 1);
    EXPECT_EQ(v.pageTitle, "Songs");
    EXPECT_FALSE(preset.deutsch);
    // Every fret a row can hold reads the table's twelve columns.
    for (int s = 0; s < kStringCount; ++s)
        for (int f = 0; f <= 20; ++f)
            EXPECT_EQ(preset.fretNotes[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)], doc->noteAt(s, f));
}

TEST_F(PadAttributes, OkWritesTheRowBackAndSaysWhetherThePageTitleChanged)
{
    struct Case {
        const char* what;
        int showPageTitle;
        std::string pageTitle;
        bool titleChanged;
    };
    const Case cases[] = {
        {"same title, same setting", 1, "Songs", false},
        {"new title", 1, "Barre chords", true},
        {"title hidden", 0, "Barre chords", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ports::PadChordAttributes v = doc->MakePadAttributesPreset(1).values;
        v.words = {1, 2, 1, 3, 4, 21, 1, 0x10};
        v.upperLine = "C#";
        v.lowerLine = "";
        v.showChordTitle = 0;
        v.fingers = {0, 0, 0, 0, 0, 5};
        v.marks = {1, 0, 0, 0, 0, 0};
        v.showPageTitle = c.showPageTitle;
        v.pageTitle = c.pageTitle;
        EXPECT_EQ(doc->StorePadAttributes(1, v), c.titleChanged);

        const ScratchPadChordRow row = doc->GetPadRow(1);
        EXPECT_EQ(row.w, (std::array<std::uint16_t, pad::Words>{1, 2, 1, 3, 4, 21, 1, 0x10, 0, 0x00A0, 0x0001}));
        EXPECT_EQ(doc->m_astrPadNames[1], "C#");
        EXPECT_EQ(doc->m_astrPadNames2[1], "");
        EXPECT_EQ(frame.m_nPgtitle, c.showPageTitle);
        EXPECT_EQ(doc->m_strPadTitle, c.pageTitle);
        EXPECT_EQ(doc->m_astrPadNames[0], "first") << "the other chords stay";
    }
}

TEST_F(PadAttributes, ShownMeansAnyValueButZero)
{
    // A stored setting of 7 shows the page title, as a name flag of 2 shows
    // the names; the check boxes open ticked, not in a third state.
    frame.m_nPgtitle = 7;
    *doc->m_aScratchPad.At(1, pad::NameShown) = 2;
    const ports::PadChordAttributes v = doc->MakePadAttributesPreset(1).values;
    EXPECT_EQ(v.showPageTitle, 1);
    EXPECT_EQ(v.showChordTitle, 1);
    frame.m_nPgtitle = 0;
    EXPECT_EQ(doc->MakePadAttributesPreset(1).values.showPageTitle, 0);
}

TEST_F(PadAttributes, AnIndexOutsideThePadWritesNothing)
{
    const ports::PadChordAttributes v = doc->MakePadAttributesPreset(1).values;
    for (const int index : {-1, 36, 40}) {
        EXPECT_EQ(doc->MakePadAttributesPreset(index).values.upperLine, "") << index;
        EXPECT_FALSE(doc->StorePadAttributes(index, v)) << index;
    }
    EXPECT_EQ(doc->m_astrPadNames[0], "first");
}

}  // namespace
