#include <vector>

#include "document/size_language_dialog_port.h"
#include "tests/document/doc_fixture.h"

namespace {

// Records the presets and answers as scripted.
struct FakeSizeLanguageDialogs : ports::SizeLanguageDialogPort {
    std::vector<int> sizePresets;
    ports::SizeDialogResult sizeResult;
    std::vector<int> languagePresets;
    ports::LanguageDialogResult languageResult;

    ports::SizeDialogResult RunSizeDialog(int chordsPerRow) override
    {
        sizePresets.push_back(chordsPerRow);
        return sizeResult;
    }
    ports::LanguageDialogResult RunLanguageDialog(int german) override
    {
        languagePresets.push_back(german);
        return languageResult;
    }
};

struct DocSizeLanguage : DocFixture {
    void SetUp() override
    {
        startDoc();
        doc->GetPorts().sizeLanguageDialogs = &dialogs;
        ui = FakeUi{};
    }
    FakeSizeLanguageDialogs dialogs;
};

TEST_F(DocSizeLanguage, TheRadioOfTheSizeInUseIsPreset)
{
    struct Row {
        int scale;
        int radio;
    };
    for (const Row row : {Row{80, 0}, Row{60, 1}, Row{50, 2}, Row{40, 3}, Row{70, -1}}) {
        doc->m_nScale = row.scale;
        doc->OnViewSize();
        EXPECT_EQ(dialogs.sizePresets.back(), row.radio) << row.scale;
    }
}

TEST_F(DocSizeLanguage, ASizeChosenIsStoredAndThePagesRecounted)
{
    struct Row {
        const char* name;
        bool ok;
        int radio;
        int scale, perRow, perPage, pages, page;
        std::vector<int> sizeBox;
        int redraws;
    };
    // Five a row, 40 chords on two pages of 25, the second one shown.
    const std::vector<Row> rows = {
        {"six a row", true, 3, 40, 12, 36, 2, 0, {6}, 1},
        {"three a row", true, 0, 80, 6, 9, 5, 0, {3}, 1},
        {"the size in use", true, 2, 50, 10, 25, 2, 1, {}, 0},
        {"cancelled", false, 2, 50, 10, 25, 2, 1, {}, 0},
        {"OK with no radio", true, -1, 50, 10, 25, 2, 1, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        doc->SetSizeIndex(2);
        doc->m_nVoicingCount = 40;
        doc->RecountPages();
        doc->m_nPage = 1;
        ui = FakeUi{};
        dialogs.sizeResult = {row.ok, row.radio};

        doc->OnViewSize();
        EXPECT_EQ(doc->m_nScale, row.scale);
        EXPECT_EQ(doc->m_nScrollRowChords, row.perRow);
        EXPECT_EQ(doc->m_nChordsPerPage, row.perPage);
        EXPECT_EQ(doc->m_nPageCount, row.pages);
        EXPECT_EQ(doc->m_nPage, row.page);
        EXPECT_EQ(ui.sizeCombo, row.sizeBox);
        EXPECT_EQ(ui.updates, row.redraws);
        if (!row.sizeBox.empty()) {
            EXPECT_EQ(6 - ((frame.m_wExp >> 1) & 3), row.sizeBox.front()) << "the stored size";
        }
    }
}

TEST_F(DocSizeLanguage, GermanNamesReachTheStatusLineAtOnce)
{
    dialogs.languageResult = {true, 1};
    doc->OnToolsLanguage();
    EXPECT_EQ(dialogs.languagePresets, std::vector<int>{0});
    EXPECT_EQ(doc->m_nDeutsch, 1);
    EXPECT_EQ(g_NoteNames[2], "H");
    EXPECT_EQ(ui.updates, 1);
    // The tuning's B is named anew, not left as the English name.
    EXPECT_EQ(ui.panes[2], "Tuning: E A D G H E ");

    dialogs.languageResult = {true, 0};
    doc->OnToolsLanguage();
    EXPECT_EQ(dialogs.languagePresets.back(), 1);
    EXPECT_EQ(g_NoteNames[2], "B");
    EXPECT_EQ(ui.panes[2], "Tuning: E A D G B E ");
    EXPECT_EQ(ui.updates, 2);
}

TEST_F(DocSizeLanguage, TheSameLanguageOrCancelChangesNothing)
{
    for (const ports::LanguageDialogResult result : {ports::LanguageDialogResult{true, 0},
                                                     ports::LanguageDialogResult{false, 1}}) {
        dialogs.languageResult = result;
        doc->OnToolsLanguage();
        EXPECT_EQ(doc->m_nDeutsch, 0);
        EXPECT_EQ(g_NoteNames[2], "B");
        EXPECT_EQ(ui.updates, 0);
        EXPECT_TRUE(ui.panes.empty());
    }
}

}  // namespace
