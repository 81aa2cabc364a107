// Tools > Options: the pages filled from the document and the settings, and
// their values carried back on OK and Apply Now.
#include <algorithm>

#include "document/html_page.h"
#include "document/kvwin_doc.h"
#include "document/midi_texts.h"
#include "document/options_dialog_port.h"
#include "document/persistent_settings.h"
#include "document/strum.h"
#include "kvmidi/results.h"

namespace {

COLORREF ColourFromSetting(std::int32_t rrggbb)
{
    return document::SwapRedBlue(static_cast<std::uint32_t>(rrggbb));
}

std::int32_t SettingFromColour(COLORREF colour)
{
    return static_cast<std::int32_t>(document::SwapRedBlue(colour));
}

}  // namespace

ports::OptionsPreset CKvwinDoc::MakeOptionsPreset() const
{
    ports::OptionsPreset preset;
    preset.allPages = !m_bScratchPadMode;
    const int remembered = m_bScratchPadMode ? m_nOptionsPagePad : m_nOptionsPage;
    const int pages = preset.allPages ? ports::kOptionsPageCount : ports::kOptionsPadModePageCount;
    preset.startPage = remembered >= 0 && remembered < pages ? remembered : 0;
    preset.deutsch = m_nDeutsch != 0;
    preset.midi = m_ports.midi;
    preset.midiDevCount = m_nMidiDevCount;
    if (!m_pMainFrame)
        return preset;
    const PersistentSettings& frame = *m_pMainFrame;
    ports::OptionsValues& v = preset.values;

    v.pad.showPageTitle = frame.m_nPgtitle;
    v.pad.defaultChordTitles = frame.m_nChdtitle;
    v.pad.titleAtBottom = frame.m_nChtitleTop == 0 ? 1 : 0;
    v.pad.padCount = m_nPadCount;
    v.pad.allTitlesChoice = m_nPadCount != 0 ? 0 : -1;
    v.pad.setAllChordTitles = 0;

    if (preset.allPages) {
        std::string name;
        COLORREF colour = 0;
        for (std::size_t s = 0; s < v.tuning.stringNames.size(); ++s)
            v.tuning.stringNames[s] = GetNoteName(m_awTuning[s], name, colour);
        v.tuning.stringNotes = m_abTuningNotes;
        v.tuning.soundOnAdjust = m_nSnotes;
        v.tuning.previewVelocity = static_cast<std::uint8_t>(m_nVelocity & 0xFF);
        v.tuning.previewDuration = m_nDuration;
    }

    v.html.background = ColourFromSetting(frame.m_nBgcol);
    v.html.text = ColourFromSetting(frame.m_nTxtcol);
    // The page writer takes any other value for Helvetica; so does the page,
    // rather than showing no font at all.
    v.html.appletFont = frame.m_nApplfont >= 0 && frame.m_nApplfont <= 2 ? frame.m_nApplfont : 0;
    v.html.reducedScale = frame.m_nApplRedScale;
    v.html.saveAllPages = frame.m_nApplAp;
    v.html.leftMargin = frame.m_nApplLmgn;
    v.html.rowSeparation = frame.m_nApplRwsep;
    v.html.shrinkToA4 = frame.m_nApplShrinkPrt;

    v.display.notesOnFrets = m_nNotefret;
    v.display.notesColour = m_nNocol == 0 ? 1 : 0;

    if (preset.allPages) {
        v.general.reducedSpan = IsReducedSpan() ? 1 : 0;
        v.general.includeHistory = frame.m_bIncHis;
        v.general.historySize = frame.m_nHisBufSz;
    }

    v.sound.instrument = m_nInstrument;
    v.sound.velocity = m_nVelocity;
    v.sound.duration = m_nDuration;
    v.sound.separation = m_nStrumDelay;
    if (m_nVoicingCount != 0) {
        const VoicingRow first = GetVoicing(0);
        document::ChordFrets frets{};
        std::copy_n(first.begin(), frets.size(), frets.begin());
        // Lowest string first, as the test chord strums.
        const document::StrumSlots slots = document::StrumOrder(frets, m_abTuningNotes, true);
        for (std::size_t k = 0; k < slots.size(); ++k)
            v.sound.testNotes[k] = static_cast<std::uint8_t>(slots[k]);
    }

    v.midiOut.device = frame.m_strMidiOutName;
    return preset;
}

void CKvwinDoc::OnToolsOptions()
{
    if (!m_pMainFrame || !m_ports.optionsDialogs)
        return;
    const bool padMode = m_bScratchPadMode;
    const ports::OptionsPreset preset = MakeOptionsPreset();
    const ports::OptionsResult result = m_ports.optionsDialogs->RunOptionsSheet(
        preset, [this](const ports::OptionsValues& values) { ApplyOptions(values); });
    if (result.ok)
        ApplyOptions(result.values);
    (padMode ? m_nOptionsPagePad : m_nOptionsPage) = result.lastPage;
}

void CKvwinDoc::ApplyOptions(const ports::OptionsValues& values)
{
    if (!m_pMainFrame)
        return;
    PersistentSettings& frame = *m_pMainFrame;
    bool redraw = false;

    ApplyScratchPadOptions(values.pad, frame);
    // Scratch Pad mode has neither the Tuning nor the General page.
    if (m_bScratchPadMode)
        redraw = true;
    else if (ApplyTuningOptions(values.tuning))
        redraw = true;
    ApplyHtmlOptions(values.html, frame);
    if (ApplyDisplayOptions(values.display))
        redraw = true;
    if (!m_bScratchPadMode && ApplyGeneralOptions(values.general, frame))
        redraw = true;
    ApplySoundOptions(values.sound);
    ApplyMidiOutOptions(values.midiOut, frame);

    if (redraw)
        m_ports.ui->UpdateAllViews();
}

void CKvwinDoc::ApplyScratchPadOptions(const ports::ScratchPadOptions& pad, PersistentSettings& frame)
{
    frame.m_nPgtitle = pad.showPageTitle;
    frame.m_nChdtitle = pad.defaultChordTitles;
    frame.m_nChtitleTop = pad.titleAtBottom == 0 ? 1 : 0;
    if (pad.setAllChordTitles) {
        const std::uint16_t shown = pad.allTitlesChoice == 0 ? 1 : 0;
        for (int row = 0; row < std::min(m_nPadCount, int{pad::kMaxChords}); ++row)
            *m_aScratchPad.At(static_cast<std::uint16_t>(row), pad::NameShown) = shown;
    }
}

bool CKvwinDoc::ApplyTuningOptions(const ports::TuningOptions& tuning)
{
    if (!tuning.tuningChanged)
        return false;
    // From the notes: a name may be spelled flat, which the name table cannot read back.
    m_awTuning = engine::TuningMasks(tuning.stringNotes);
    m_abTuningNotes = tuning.stringNotes;
    m_nSnotes = tuning.soundOnAdjust;
    BuildFretboardNotes();
    UpdateStatusLine();
    if (m_nVoicingCount != 0) {
        FindVoicings(m_wChordMask);
        return true;
    }
    return !m_bChordDisplay;
}

void CKvwinDoc::ApplyHtmlOptions(const ports::HtmlOptions& html, PersistentSettings& frame)
{
    frame.m_nBgcol = SettingFromColour(html.background);
    frame.m_nTxtcol = SettingFromColour(html.text);
    frame.m_nApplfont = html.appletFont;
    frame.m_nApplRedScale = html.reducedScale;
    frame.m_nApplAp = html.saveAllPages;
    frame.m_nApplLmgn = html.leftMargin;
    frame.m_nApplRwsep = html.rowSeparation;
    frame.m_nApplShrinkPrt = html.shrinkToA4;
}

bool CKvwinDoc::ApplyDisplayOptions(const ports::DisplayOptions& display)
{
    bool redraw = false;
    if (display.notesOnFrets != m_nNotefret) {
        ClearSelectionRects();
        m_nNotefret = display.notesOnFrets;
        redraw = true;
    }
    // The page holds the inverse: equal values mean the choice changed.
    if (display.notesColour == m_nNocol) {
        redraw = true;
        m_nNocol = display.notesColour == 0 ? 1 : 0;
        if (m_mark.Shown())
            m_mark.Clear();
    }
    return redraw;
}

bool CKvwinDoc::ApplyGeneralOptions(const ports::GeneralOptions& general, PersistentSettings& frame)
{
    bool redraw = false;
    if ((general.reducedSpan != 0) != IsReducedSpan()) {
        ToggleReducedSpan(true);
        redraw = true;
    }
    if (general.includeHistory != frame.m_bIncHis || general.historySize != frame.m_nHisBufSz) {
        if (!general.includeHistory)
            ResetHistory();
        frame.m_bIncHis = general.includeHistory;
        frame.m_nHisBufSz = general.historySize;
        if (general.includeHistory)
            TrimHistory(false);
    }
    return redraw;
}

void CKvwinDoc::ApplySoundOptions(const ports::SoundOptions& sound)
{
    if (sound.velocity == m_nVelocity && sound.duration == m_nDuration && sound.separation == m_nStrumDelay
        && sound.instrument == m_nInstrument)
        return;
    m_nVelocity = sound.velocity;
    m_nDuration = sound.duration;
    m_nStrumDelay = sound.separation;
    if (sound.instrument != m_nInstrument) {
        m_nInstrument = sound.instrument;
        // With nothing open the library keeps the program for the next
        // open; the start-up box has said why there is no sound.
        const std::uint32_t program = m_ports.midi->ProgramChange(GetMidiProgram());
        if (program != kvmidi::kInvalidHandle)
            ShowMidiError(document::MidiProgramChangeErrorText(program));
    }
}

void CKvwinDoc::ApplyMidiOutOptions(const ports::MidiOutOptions& midiOut, PersistentSettings& frame)
{
    if (midiOut.device == frame.m_strMidiOutName)
        return;
    frame.m_strMidiOutName = midiOut.device;
    FindMidiOutDevice();
    // The library sends the instrument again after the open.
    m_ports.midi->Close();
    ShowMidiOpened(m_ports.midi->Open(m_nMidiDevice), 0);
}
