#include "document/kvwin_doc.h"

#include "document/command_ids.h"
#include "document/display_sizes.h"
#include "document/midi_devices.h"
#include "document/midi_texts.h"
#include "document/persistent_settings.h"
#include "engine/chord_names.h"
#include "engine/chord_types.h"
#include "engine/voicings.h"
#include "kvmidi/results.h"

namespace {

// The settings the document works on a copy of: read at start-up and, all
// but the drawing mode, written back at close for the settings save.
struct CopiedSetting {
    std::int32_t PersistentSettings::*setting;
    int CKvwinDoc::*copy;
    bool writtenBack;
};
constexpr CopiedSetting kCopiedSettings[] = {
    {&PersistentSettings::m_nInstr, &CKvwinDoc::m_nInstrument, true},
    {&PersistentSettings::m_nVel, &CKvwinDoc::m_nVelocity, true},
    {&PersistentSettings::m_nDur, &CKvwinDoc::m_nDuration, true},
    {&PersistentSettings::m_nSep, &CKvwinDoc::m_nStrumDelay, true},
    {&PersistentSettings::m_nSnotes, &CKvwinDoc::m_nSnotes, true},
    {&PersistentSettings::m_nNotefret, &CKvwinDoc::m_nNotefret, true},
    {&PersistentSettings::m_nNocol, &CKvwinDoc::m_nNocol, true},
    {&PersistentSettings::m_nGraphx, &CKvwinDoc::m_nGraphx, false},
    {&PersistentSettings::m_nKvClrprev, &CKvwinDoc::m_nKvClrprev, true},
    {&PersistentSettings::m_nKvClrprevKvdgm, &CKvwinDoc::m_nKvClrprevKvdgm, true},
    {&PersistentSettings::m_nShtNames, &CKvwinDoc::m_nShtNames, true},
    {&PersistentSettings::m_nDeutsch, &CKvwinDoc::m_nDeutsch, true},
    {&PersistentSettings::m_nUdirLoc, &CKvwinDoc::m_nUdirLoc, true},
};

// An on/off setting; anything else reads as off.
constexpr engine::SettingRange kSwitchRange{0, 1, 0};

}  // namespace

CKvwinDoc::CKvwinDoc(Ports ports) : m_ports(ports)
{
    engine::ResetMusicTables();
    m_aFretNotes.Create(engine::kFretNoteRows, engine::kFretNoteCols);
    m_aVoicings.Create(engine::kVoicingRows, voicing::kWords);
    m_aScratchPad.Create(pad::kRows, pad::Words);
    BuildFretboardNotes();
    m_bStandardTuning = true;
    m_nMidiDevCount = static_cast<int>(m_ports.midi->NumDevs());
}

CKvwinDoc::~CKvwinDoc()
{
    m_ports.midi->SetOpenedHandler({});
}

void CKvwinDoc::InitDocument(PersistentSettings& frame)
{
    m_pMainFrame = &frame;

    for (const CopiedSetting& s : kCopiedSettings)
        this->*s.copy = frame.*s.setting;

    if (m_nDeutsch)
        SetNoteNames();

    FindMidiOutDevice();

    m_nInstrument = engine::kInstrumentRange.OrFallback(m_nInstrument);
    m_nVelocity = engine::kVelocityRange.OrFallback(m_nVelocity);
    m_nDuration = engine::kDurationRange.OrFallback(m_nDuration);
    m_nStrumDelay = engine::kStrumDelayRange.OrFallback(m_nStrumDelay);
    m_nSnotes = kSwitchRange.OrFallback(m_nSnotes);
    m_nNotefret = kSwitchRange.OrFallback(m_nNotefret);
    m_nNocol = kSwitchRange.OrFallback(m_nNocol);
    if (m_nGraphx != 16 && m_nGraphx != 32)
        m_nGraphx = 32;

    const int size = document::SizeIndexOfBits(Exp());
    SetSizeIndex(size);
    SetSizeCombo(document::kDisplaySizes[static_cast<std::size_t>(size)].perRow);

    // Every later open comes after this one.
    m_ports.midi->SetOpenedHandler([this](std::uint32_t opened, std::uint32_t program) {
        ShowMidiOpened(opened, program);
    });
    OpenMidi();
    ReadUserDirectory();
}

void CKvwinDoc::FindMidiOutDevice()
{
    if (m_pMainFrame)
        m_strMidiDevice = m_pMainFrame->m_strMidiOutName;
    m_nMidiDevice = document::LastDeviceNamed(document::ListMidiDevices(*m_ports.midi), m_strMidiDevice).value_or(0);
}

void CKvwinDoc::ShowMidiError(const std::string& text) const
{
    if (m_nMidiDevCount != 0 && !text.empty())
        m_ports.ui->MessageBox(text);
}

void CKvwinDoc::ShowMidiOpened(std::uint32_t opened, std::uint32_t program) const
{
    ShowMidiError(document::MidiOpenErrorText(opened));
    // After a failed open the library keeps the program for the next open,
    // and its "nothing is open" would only repeat the first box.
    if (opened == kvmidi::kOk)
        ShowMidiError(document::MidiProgramChangeErrorText(program));
}

void CKvwinDoc::OpenMidi()
{
    const std::uint32_t opened = m_ports.midi->Open(m_nMidiDevice);
    ShowMidiOpened(opened, m_ports.midi->ProgramChange(GetMidiProgram()));
}

void CKvwinDoc::OnCloseDocument()
{
    // Before start-up the copies still hold the constructor's values, which
    // must not overwrite the user's settings.
    if (!m_pMainFrame)
        return;
    PersistentSettings& frame = *m_pMainFrame;
    frame.m_strMidiOutName = m_strMidiDevice;
    for (const CopiedSetting& s : kCopiedSettings) {
        if (s.writtenBack)
            frame.*s.setting = this->*s.copy;
    }
}

void CKvwinDoc::DeleteContents()
{
    CloseUserDirectory();
    DeleteSessionContents();
}

void CKvwinDoc::CloseUserDirectory()
{
    if (!m_listUserDir.empty() || g_bUserDirModified) {
        if (g_bUserDirModified)
            WriteUserDirectory();
        m_listUserDir.clear();
    }
}

void CKvwinDoc::DeleteSessionContents()
{
    ResetHistory();
    m_ports.midi->Close();
    m_astrFonts.clear();
    // Otherwise the next initial update finds an empty list it thinks is complete.
    m_bFontsEnumerated = false;
}

bool CKvwinDoc::OnNewDocument()
{
    DeleteContents();
    return true;
}

void CKvwinDoc::OnFileNew()
{
    OnNewDocument();
    if (!m_pMainFrame)
        return;
    ReadUserDirectory();
    OpenMidi();
}

const std::string& CKvwinDoc::GetNoteName(PitchClassMask mask, std::string& name, COLORREF& colour,
                                          int flags, bool pad) const
{
    return engine::GetNoteName(mask, name, colour, flags, pad,
                               {m_wFlatFlags, m_nDeutsch != 0, m_nNocol != 0});
}

PitchClassMask CKvwinDoc::NoteNameToMask(const std::string& name)
{
    return engine::NoteNameToMask(name);
}

void CKvwinDoc::SetNoteNames()
{
    engine::SetNoteNames(m_nDeutsch != 0);
}

std::uint8_t CKvwinDoc::GetMidiProgram() const
{
    return engine::GetMidiProgram(m_nInstrument);
}

bool CKvwinDoc::GetChordName(PitchClassMask mask, std::string& name) const
{
    return engine::GetChordName(mask, name, m_listUserDir);
}

PitchClassMask CKvwinDoc::noteAt(int stringIndex, int fret) const
{
    if (stringIndex < 0 || stringIndex > 5 || fret < 0 || fret > 20)
        return 0;
    return *m_aFretNotes.At(static_cast<std::uint16_t>(stringIndex), static_cast<std::uint16_t>(fret % 12));
}

bool CKvwinDoc::BuildFretboardNotes()
{
    engine::BuildFretboardNotes(m_awTuning, m_aFretNotes);
    m_bStandardTuning = engine::IsStandardTuning(m_awTuning);
    return true;
}

void CKvwinDoc::FindVoicings(PitchClassMask mask)
{
    m_nSpanExtra = static_cast<std::int16_t>(Exp() & 1);
    m_nPageCount = 0;
    m_nVoicingCount = engine::FindVoicings(m_aFretNotes, mask, m_nSpanExtra, m_aVoicings);
    if (m_nVoicingCount != 0) {
        GetChordName(m_wChordMask, m_strChordTitle);
        RecountPages();
    } else {
        m_strChordTitle.clear();
    }
    m_bSearched = true;
}

std::uint16_t CKvwinDoc::Exp() const
{
    return m_pMainFrame ? m_pMainFrame->m_wExp : 0;
}

void CKvwinDoc::SetExp(std::uint16_t exp)
{
    if (m_pMainFrame)
        m_pMainFrame->m_wExp = exp;
}

std::string CKvwinDoc::GetContextMenuItemText(int item) const
{
    return item == 0 ? "Add Chord to User Directory" : std::string();
}

int CKvwinDoc::GetContextMenuItemId(int item) const
{
    return item == 0 ? cmd::AddChordToUserDirectory : 0;
}

ScratchPadChordRow CKvwinDoc::GetPadRow(int row) const
{
    ScratchPadChordRow chord;
    for (std::uint16_t c = 0; c < pad::Words; ++c)
        chord.w[c] = *m_aScratchPad.At(static_cast<std::uint16_t>(row), c);
    return chord;
}

void CKvwinDoc::SetPadRow(int row, const ScratchPadChordRow& chord)
{
    for (std::uint16_t c = 0; c < pad::Words; ++c)
        *m_aScratchPad.At(static_cast<std::uint16_t>(row), c) = chord.w[c];
}

VoicingRow CKvwinDoc::GetVoicing(int row) const
{
    VoicingRow v;
    for (std::uint16_t c = 0; c < voicing::kWords; ++c)
        v[c] = *m_aVoicings.At(static_cast<std::uint16_t>(row), c);
    return v;
}
