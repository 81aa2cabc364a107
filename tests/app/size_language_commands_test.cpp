#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include "app/kvwin_bar.h"
#include "app_fixture.h"
#include "dialogs/size_language/size_language_templates.h"
#include "document/command_ids.h"
#include "document/display_sizes.h"
#include "engine/chord_types.h"
#include "platform/dialog.h"
#include "platform/template_builder.h"
#include "tests/support/qt_print.h"
#include "tests/support/texts_painted.h"
#include "view/kvwin_view.h"

namespace {

constexpr PitchClassMask kCMajor = 0x488;
constexpr PitchClassMask kEMajor = 0x884;

// A click on the box or circle, which takes it wherever its text ends.
void ClickIndicator(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
}

class SizeLanguageCommands : public AppFixture {
protected:
    void TearDown() override
    {
        AppFixture::TearDown();
        engine::ResetMusicTables();
    }

    // What the Chord Directory does with its choice.
    void Search(PitchClassMask mask)
    {
        Doc().m_wFlatFlags = engine::GetFlatSpellingFlags(mask);
        Doc().SearchNewChord(mask, false);
    }

    QString Pane(const char* name)
    {
        auto* pane = Frame().statusBar()->findChild<QLabel*>(QString::fromLatin1(name));
        return pane ? pane->text() : QStringLiteral("<no pane>");
    }

    // Which of the names were written on the page the view draws.
    std::set<std::string> NamesDrawn(const std::set<std::string>& names)
    {
        std::set<std::string> drawn;
        for (const std::string& text : testsupport::TextsPainted(*GetApp().View()))
            if (names.contains(text))
                drawn.insert(text);
        return drawn;
    }

    void RunLanguageDialog(bool checkedBefore)
    {
        runner.Expect([this, checkedBefore](platform::Dialog& d) {
            EXPECT_EQ(d.parentWidget(), &Frame());
            auto* german = platform::Control<QCheckBox>(d, dialogs::id::kGermanNotes);
            ASSERT_NE(german, nullptr);
            EXPECT_EQ(german->isChecked(), checkedBefore);
            ClickIndicator(german);
            platform::PressOk(d);
        });
        QCoreApplication::processEvents();  // the command states follow the last command
        QAction* language = Frame().Commands().Action(cmd::ToolsLanguage);
        ASSERT_TRUE(language->isEnabled());
        language->trigger();
        EXPECT_EQ(runner.PendingScripts(), 0u);
        EXPECT_EQ(runner.dialogsLeftOpen, 0);
    }
};

TEST_F(SizeLanguageCommands, GermanNamesReachTheDiagramsTitleAndStatusLineAndGoBack)
{
    struct Row {
        const char* chord;
        PitchClassMask mask;
        std::set<std::string> english;  // the notes under the diagrams
        std::set<std::string> german;
    };
    // C major reads the same in both languages but for the tuning's B;
    // E major shows the German names in its diagrams too.
    const std::vector<Row> rows = {
        {"C major", kCMajor, {"C", "E", "G"}, {"C", "E", "G"}},
        {"E major", kEMajor, {"E", "G#", "B"}, {"E", "Gis", "H"}},
    };
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    for (const Row& row : rows) {
        SCOPED_TRACE(row.chord);
        std::set<std::string> both = row.english;
        both.insert(row.german.begin(), row.german.end());
        const QString title = QString::fromLatin1(row.chord);
        Search(row.mask);
        ASSERT_EQ(Frame().windowTitle(), title + QStringLiteral(" - Tonalith"));
        const QString counts = Pane("pane2").mid(QStringLiteral("Tuning: E A D G B E ").size());
        EXPECT_EQ(NamesDrawn(both), row.english);

        RunLanguageDialog(false);
        EXPECT_EQ(Doc().m_nDeutsch, 1);
        EXPECT_EQ(NamesDrawn(both), row.german);
        EXPECT_EQ(Pane("pane2"), QStringLiteral("Tuning: E A D G H E ") + counts);
        // The dictionary's chord names are English words in either language.
        EXPECT_EQ(Pane("pane1"), title);
        EXPECT_EQ(Frame().windowTitle(), title + QStringLiteral(" - Tonalith"));

        RunLanguageDialog(true);
        EXPECT_EQ(Doc().m_nDeutsch, 0);
        EXPECT_EQ(NamesDrawn(both), row.english);
        EXPECT_EQ(Pane("pane2"), QStringLiteral("Tuning: E A D G B E ") + counts);
        EXPECT_EQ(Frame().windowTitle(), title + QStringLiteral(" - Tonalith"));
    }
}

TEST_F(SizeLanguageCommands, TheSizeDialogAndTheToolbarBoxAgreeBothWays)
{
    Start();
    QCoreApplication::processEvents();  // the command states follow the start
    Search(kCMajor);  // 12 shapes
    QComboBox* box = Frame().m_pToolBar->m_wndSizeCombo;
    ASSERT_EQ(box->currentText(), QStringLiteral("6"));
    auto radio = [](platform::Dialog& d, int id) { return platform::Control<QRadioButton>(d, id); };
    const int radios[4] = {dialogs::id::kThreePerRow, dialogs::id::kFourPerRow, dialogs::id::kFivePerRow,
                           dialogs::id::kSixPerRow};

    // The dialog sets the box.
    runner.Expect([&](platform::Dialog& d) {
        QButtonGroup* group = platform::RadioGroup(d, dialogs::id::kThreePerRow);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->buttons().size(), 4);
        EXPECT_EQ(group->checkedButton(), radio(d, dialogs::id::kSixPerRow));
        ClickIndicator(radio(d, dialogs::id::kThreePerRow));
        EXPECT_FALSE(radio(d, dialogs::id::kSixPerRow)->isChecked());
        platform::PressOk(d);
    });
    QAction* size = Frame().Commands().Action(cmd::ViewSize);
    ASSERT_TRUE(size->isEnabled());
    size->trigger();
    EXPECT_EQ(box->currentText(), QStringLiteral("3"));
    EXPECT_EQ(Doc().m_nChordsPerPage, 9);
    EXPECT_EQ(Doc().m_nPageCount, 2);
    EXPECT_EQ(Pane("pane2"), QStringLiteral("Tuning: E A D G B E   Inv: 12   Page 1 of 2"));

    // The box sets what the dialog offers; Cancel keeps it.
    for (int index = 0; index < 4; ++index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
        runner.Expect([&](platform::Dialog& d) {
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(radio(d, radios[k])->isChecked(), k == index) << "box " << index << ", radio " << k;
            platform::PressCancel(d);
        });
        size->trigger();
        EXPECT_EQ(box->currentIndex(), index);
        EXPECT_EQ(Doc().m_nScale, document::kDisplaySizes[static_cast<std::size_t>(index)].scale);
    }
    EXPECT_EQ(Doc().m_nPageCount, 1);
    EXPECT_EQ(runner.PendingScripts(), 0u);
    EXPECT_EQ(runner.dialogsLeftOpen, 0);
}

}  // namespace
