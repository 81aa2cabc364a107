// The Options sheet driven through its widgets on a document with fake
// ports: each script clicks, types and presses as a user would.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "dialogs/options/options_sheet.h"
#include "dialogs/options/options_templates.h"
#include "document/options_dialog_port.h"
#include "platform/up_down.h"
#include "tests/document/doc_fixture.h"
#include "tests/support/active_window.h"
#include "tests/support/options_sheet_driver.h"
#include "tests/support/pad_chords.h"
#include "tests/support/scripted_dialog_runner.h"
#include "tests/support/template_layout.h"

using namespace dialogs;
using platform::Dialog;

namespace {

using testsupport::Turn;

OptionsSheet& AsSheet(Dialog& d)
{
    return testsupport::AsOptionsSheet(d);
}

template <class T>
T* On(platform::PropertyPage& page, int id)
{
    T* control = platform::Control<T>(page, id);
    EXPECT_NE(control, nullptr) << id;
    return control;
}

struct OptionsSheetTest : DocFixture {
    void SetUp() override
    {
        midi.devices = {"Built-in Synth", "Port B"};
        startDoc();
        doc->GetPorts().optionsDialogs = &port;
    }
    void TearDown() override
    {
        EXPECT_EQ(runner.PendingScripts(), 0u);
        EXPECT_EQ(runner.unexpectedDialogs, 0);
        EXPECT_EQ(runner.dialogsLeftOpen, 0);
        DocFixture::TearDown();
    }
    std::vector<QString> Captions(const OptionsSheet& sheet) const
    {
        std::vector<QString> captions;
        for (int i = 0; i < sheet.Tabs()->count(); ++i)
            captions.push_back(sheet.Tabs()->tabText(i));
        return captions;
    }

    dialogs::OptionsDialogs port;
    platform::ScriptedDialogRunner runner;
    platform::ScopedDialogRunner scope{runner};
};

TEST_F(OptionsSheetTest, SevenPagesInOrderAndFiveOnTheScratchPad)
{
    runner.Expect([&](Dialog& d) {
        auto& sheet = AsSheet(d);
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Options"));
        EXPECT_NE(sheet.ApplyButton(), nullptr);
        EXPECT_EQ(Captions(sheet), (std::vector<QString>{"Scratch Pad", "Tuning", "HTML/Applet", "Display",
                                                         "General", "Sound", "MIDI Out"}));
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();

    doc->m_bScratchPadMode = true;
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(Captions(AsSheet(d)),
                  (std::vector<QString>{"Scratch Pad", "HTML/Applet", "Display", "Sound", "MIDI Out"}));
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();
}

TEST_F(OptionsSheetTest, TheStartPageIsRememberedPerModeWhateverClosedTheSheet)
{
    runner.Expect([&](Dialog& d) {
        Turn(AsSheet(d), kSoundPage);
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();

    doc->m_bScratchPadMode = true;
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(AsSheet(d).GetActiveIndex(), 0);
        Turn(AsSheet(d), 2);  // Display
        platform::PressOk(d);
    });
    doc->OnToolsOptions();

    doc->m_bScratchPadMode = false;
    runner.Expect([&](Dialog& d) {
        EXPECT_EQ(AsSheet(d).GetActiveIndex(), kSoundPage);
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(doc->m_nOptionsPage, kSoundPage);
    EXPECT_EQ(doc->m_nOptionsPagePad, 2);
}

TEST_F(OptionsSheetTest, ApplyNowAppliesKeepsTheSheetOpenAndUnmarksEveryPage)
{
    runner.Expect([&](Dialog& d) {
        auto& sheet = AsSheet(d);
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        platform::PropertyPage& display = Turn(sheet, kDisplayPage);
        On<QCheckBox>(display, id::kNotesColour)->click();
        platform::PropertyPage& general = Turn(sheet, kGeneralPage);
        On<QCheckBox>(general, id::kReducedSpan)->click();
        EXPECT_TRUE(display.IsModified());
        EXPECT_TRUE(sheet.ApplyButton()->isEnabled());

        sheet.ApplyButton()->click();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(doc->m_nNocol, 1);
        EXPECT_FALSE(doc->IsReducedSpan());
        EXPECT_EQ(ui.updates, 1);
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            EXPECT_FALSE(sheet.GetPage(i)->IsModified()) << i;
        EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
        platform::PressCancel(d);
    });
    ui.updates = 0;
    doc->OnToolsOptions();
    EXPECT_EQ(doc->m_nNocol, 1) << "Cancel keeps what Apply Now applied";
    EXPECT_EQ(ui.updates, 1);
}

TEST_F(OptionsSheetTest, AHistorySizeOutsideTenTo200IsRefusedAndNothingIsApplied)
{
    struct Row {
        const char* typed;
        bool historyOn;
        const char* message;
    };
    const Row rows[] = {
        {"300", true, "Please enter an integer between 10 and 200."},
        {"9", false, "Please enter an integer between 10 and 200."},
        {"ten", true, "Please enter an integer."},
    };
    for (const Row& row : rows) {
        runner.messages.clear();
        runner.Expect([&](Dialog& d) {
            auto& sheet = AsSheet(d);
            On<QCheckBox>(Turn(sheet, kDisplayPage), id::kNotesOnFrets)->click();
            platform::PropertyPage& general = Turn(sheet, kGeneralPage);
            if (!row.historyOn)
                On<QCheckBox>(general, id::kIncludeHistory)->click();
            On<QLineEdit>(general, id::kHistorySize)->setText(QString::fromLatin1(row.typed));
            sheet.ApplyButton()->click();
            EXPECT_TRUE(sheet.isVisible());
            EXPECT_EQ(sheet.GetActiveIndex(), kGeneralPage);
            EXPECT_TRUE(sheet.GetPage(kDisplayPage)->IsModified());
            platform::PressOk(d);
            EXPECT_TRUE(sheet.isVisible()) << "OK is refused the same way";
            platform::PressCancel(d);
        });
        doc->OnToolsOptions();
        ASSERT_EQ(runner.messages.size(), 2u) << row.typed;
        EXPECT_EQ(runner.messages[0].text, QString::fromLatin1(row.message));
        EXPECT_EQ(runner.messages[0].caption, QStringLiteral("Tonalith"));
        EXPECT_EQ(runner.messages[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(doc->m_nNotefret, 0) << row.typed;
        EXPECT_EQ(frame.m_nHisBufSz, 50);
        EXPECT_EQ(frame.m_bIncHis, 1);
    }
}

TEST_F(OptionsSheetTest, GeneralPageHistorySizeAndItsArrows)
{
    frame.m_bIncHis = 0;
    frame.m_nHisBufSz = 60;
    runner.Expect([&](Dialog& d) {
        auto& sheet = AsSheet(d);
        platform::PropertyPage& general = Turn(sheet, kGeneralPage);
        auto* edit = On<QLineEdit>(general, id::kHistorySize);
        auto* arrows = On<platform::UpDown>(general, id::kHistorySizeSpin);
        EXPECT_EQ(edit->text(), QStringLiteral("60"));
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_FALSE(arrows->isEnabled());
        EXPECT_EQ(arrows->lower(), 10);
        EXPECT_EQ(arrows->upper(), 200);

        On<QCheckBox>(general, id::kIncludeHistory)->click();
        EXPECT_TRUE(edit->isEnabled());
        EXPECT_TRUE(arrows->isEnabled());
        general.SetModified(false);

        edit->setText(QStringLiteral("70"));
        EXPECT_FALSE(general.IsModified()) << "typing alone does not mark the page";
        arrows->upButton()->click();
        EXPECT_EQ(edit->text(), QStringLiteral("71"));
        EXPECT_TRUE(general.IsModified());
        platform::PressOk(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(frame.m_bIncHis, 1);
    EXPECT_EQ(frame.m_nHisBufSz, 71);
}

TEST_F(OptionsSheetTest, ScratchPadPageOffersTheTitleChoiceOnlyForChords)
{
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kScratchPadPage);
        EXPECT_FALSE(On<QCheckBox>(page, id::kSetAllChordTitles)->isEnabled());
        EXPECT_FALSE(On<QRadioButton>(page, id::kAllTitlesDisplay)->isEnabled());
        EXPECT_FALSE(On<QRadioButton>(page, id::kAllTitlesHide)->isEnabled());
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();

    ScratchPadChordRow shown;
    shown.w[pad::NameShown] = 1;
    testsupport::AppendPadChord(*doc, shown, "C", "");
    testsupport::AppendPadChord(*doc, shown, "G", "");
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kScratchPadPage);
        auto* setAll = On<QCheckBox>(page, id::kSetAllChordTitles);
        auto* hide = On<QRadioButton>(page, id::kAllTitlesHide);
        EXPECT_TRUE(setAll->isEnabled());
        EXPECT_TRUE(On<QRadioButton>(page, id::kAllTitlesDisplay)->isChecked());
        EXPECT_FALSE(hide->isEnabled());
        setAll->click();
        EXPECT_TRUE(hide->isEnabled());
        EXPECT_TRUE(page.IsModified());
        hide->click();
        On<QCheckBox>(page, id::kTitleAtBottom)->click();
        platform::PressOk(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(doc->GetPadRow(0).w[pad::NameShown], 0);
    EXPECT_EQ(doc->GetPadRow(1).w[pad::NameShown], 0);
    EXPECT_EQ(frame.m_nChtitleTop, 0);
}

// The row separation's 0 stands at the top: Up moves its thumb up too.
TEST_F(OptionsSheetTest, HtmlPageSlidersMoveTheWayTheirKeysPoint)
{
    frame.m_nApplLmgn = 40;
    frame.m_nApplRwsep = 6;
    frame.m_nApplRedScale = 1;
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kHtmlAppletPage);
        ASSERT_TRUE(testsupport::Activate(d));
        struct Key {
            int slider;
            Qt::Key key;
            int value;
        };
        const std::vector<Key> keys = {
            {id::kLeftMargin, Qt::Key_Right, 41}, {id::kLeftMargin, Qt::Key_Left, 40},
            {id::kLeftMargin, Qt::Key_Left, 39},  {id::kRowSeparation, Qt::Key_Up, 5},
            {id::kRowSeparation, Qt::Key_Down, 6}, {id::kRowSeparation, Qt::Key_Down, 7},
            {id::kRowSeparation, Qt::Key_Home, 0}, {id::kRowSeparation, Qt::Key_End, 12},
        };
        for (const Key& k : keys) {
            auto* slider = On<QSlider>(page, k.slider);
            slider->setFocus();
            QTest::keyClick(QApplication::focusWidget(), k.key);
            EXPECT_EQ(slider->value(), k.value) << k.slider << " " << k.key;
        }
        EXPECT_EQ(On<QLabel>(page, id::kRowSeparationValue)->text(), QStringLiteral("12"));
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();
}

TEST_F(OptionsSheetTest, HtmlPageSlidersPutStoredValuesRightAndFollowTheUser)
{
    frame.m_nApplLmgn = 90;
    frame.m_nApplRwsep = 20;
    frame.m_nApplRedScale = 0;
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kHtmlAppletPage);
        auto* margin = On<QSlider>(page, id::kLeftMargin);
        auto* rows = On<QSlider>(page, id::kRowSeparation);
        EXPECT_EQ(margin->value(), 0);
        EXPECT_EQ(rows->value(), 2);
        EXPECT_EQ(On<QLabel>(page, id::kLeftMarginValue)->text(), QStringLiteral("0"));
        EXPECT_EQ(On<QLabel>(page, id::kRowSeparationValue)->text(), QStringLiteral("2"));
        EXPECT_EQ(On<QLabel>(page, id::kLeftMarginHigh)->text(), QStringLiteral("80"));
        EXPECT_EQ(On<QLabel>(page, id::kRowSeparationHigh)->text(), QStringLiteral("12"));
        EXPECT_FALSE(page.IsModified());

        // Reduced Scale off: the left margin waits, the row separation does not.
        for (int id : {id::kLeftMargin, id::kLeftMarginValue, id::kLeftMarginCaption, id::kChordFrameWidth})
            EXPECT_FALSE(On<QWidget>(page, id)->isEnabled()) << id;
        EXPECT_TRUE(rows->isEnabled());
        On<QCheckBox>(page, id::kReducedScale)->click();
        EXPECT_TRUE(margin->isEnabled());
        EXPECT_TRUE(page.IsModified());

        margin->setValue(35);
        rows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(On<QLabel>(page, id::kLeftMarginValue)->text(), QStringLiteral("35"));
        EXPECT_EQ(On<QLabel>(page, id::kRowSeparationValue)->text(), QStringLiteral("3"));
        On<QRadioButton>(page, id::kAppletCourier)->click();
        On<QCheckBox>(page, id::kShrinkToA4)->click();
        platform::PressOk(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(frame.m_nApplLmgn, 35);
    EXPECT_EQ(frame.m_nApplRwsep, 3);
    EXPECT_EQ(frame.m_nApplRedScale, 1);
    EXPECT_EQ(frame.m_nApplfont, 2);
    EXPECT_EQ(frame.m_nApplShrinkPrt, 0);
}

TEST_F(OptionsSheetTest, ColoursGoThroughTheStandardDialogChannelByChannel)
{
    frame.m_nTxtcol = 0x000080;  // navy, as stored: 0xRRGGBB
    frame.m_nBgcol = 0xFFFFE0;   // light yellow
    QColor offered;
    runner.onStandardDialog = [&](QDialog& dialog) {
        auto* colours = qobject_cast<QColorDialog*>(&dialog);
        EXPECT_NE(colours, nullptr);
        offered = colours->currentColor();
        colours->setCurrentColor(QColor(255, 0, 0));
        return int(QDialog::Accepted);
    };
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kHtmlAppletPage);
        auto* group = On<QGroupBox>(page, id::kColourGroup);
        EXPECT_TRUE(group->styleSheet().contains(QStringLiteral("color: rgb(0, 0, 128)")));
        EXPECT_TRUE(group->styleSheet().contains(QStringLiteral("background-color: rgb(255, 255, 224)")));

        On<QPushButton>(page, id::kTextColour)->click();
        EXPECT_EQ(offered, QColor(0, 0, 128));
        EXPECT_TRUE(group->styleSheet().contains(QStringLiteral("color: rgb(255, 0, 0)")));
        EXPECT_TRUE(page.IsModified());

        runner.onStandardDialog = [](QDialog&) { return int(QDialog::Rejected); };
        On<QPushButton>(page, id::kBackgroundColour)->click();
        platform::PressOk(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(runner.standardDialogs, (std::vector<QString>{"QColorDialog", "QColorDialog"}));
    EXPECT_EQ(frame.m_nTxtcol, 0xFF0000);
    EXPECT_EQ(frame.m_nBgcol, 0xFFFFE0) << "a cancelled colour dialog changes nothing";

    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kHtmlAppletPage);
        On<QPushButton>(page, id::kDefaultColours)->click();
        EXPECT_TRUE(page.IsModified());
        platform::PressOk(d);
    });
    doc->OnToolsOptions();
    EXPECT_EQ(frame.m_nTxtcol, 0x000000);
    EXPECT_EQ(frame.m_nBgcol, 0xC0C0C0);
}

TEST_F(OptionsSheetTest, DisplayPageClicksMarkThePage)
{
    runner.Expect([&](Dialog& d) {
        platform::PropertyPage& page = Turn(AsSheet(d), kDisplayPage);
        EXPECT_TRUE(On<QCheckBox>(page, id::kNotesColour)->isChecked());
        EXPECT_FALSE(On<QCheckBox>(page, id::kNotesOnFrets)->isChecked());
        On<QCheckBox>(page, id::kNotesOnFrets)->click();
        EXPECT_TRUE(page.IsModified());
        platform::PressOk(d);
    });
    ui.updates = 0;
    doc->OnToolsOptions();
    EXPECT_EQ(doc->m_nNotefret, 1);
    EXPECT_EQ(ui.updates, 1);
}

// Every page as the user sees it: nothing cut off, nothing drawn over
// another. With TONALITH_PAGE_SHOTS set to a folder, each page is also
// saved there as a PNG to look at.
TEST_F(OptionsSheetTest, EveryPageLaysOutItsControlsCleanly)
{
    testsupport::AppendPadChord(*doc, ScratchPadChordRow{}, "C", "");
    frame.m_nApplRedScale = 1;
    frame.m_nTxtcol = 0xFFFF00;  // yellow on navy, to see the caption's colours
    frame.m_nBgcol = 0x000080;
    const QString shots = qEnvironmentVariable("TONALITH_PAGE_SHOTS");
    runner.Expect([&](Dialog& d) {
        auto& sheet = AsSheet(d);
        for (int i = 0; i < sheet.GetPageCount(); ++i) {
            platform::PropertyPage& page = Turn(sheet, i);
            QCoreApplication::processEvents();
            for (const std::string& problem : testsupport::LayoutProblems(page))
                ADD_FAILURE() << page.Template().caption << ": " << problem;
            if (!shots.isEmpty()) {
                QString name = QString::fromUtf8(page.Template().caption).replace(QLatin1Char('/'), QLatin1Char('-'));
                EXPECT_TRUE(sheet.grab().save(QDir(shots).filePath(name + QStringLiteral(".png"))));
            }
        }
        platform::PressCancel(d);
    });
    doc->OnToolsOptions();
}

}  // namespace
