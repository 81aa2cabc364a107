#include "dialogs/options/options_sheet.h"

#include "dialogs/options/display_page.h"
#include "dialogs/options/general_page.h"
#include "dialogs/options/html_applet_page.h"
#include "dialogs/options/midi_out_page.h"
#include "dialogs/options/scratch_pad_page.h"
#include "dialogs/options/sound_page.h"
#include "dialogs/options/tuning_page.h"

namespace dialogs {

OptionsSheet::OptionsSheet(const ports::OptionsPreset& preset, ApplyNow applyNow,
                                             QWidget* parent)
    : PropertySheet(QStringLiteral("Options"), preset.startPage, false, parent),
      m_values(preset.values),
      m_applyNow(std::move(applyNow))
{
    AddPage(new ScratchPadPage(m_values.pad));
    if (preset.allPages)
        AddPage(new TuningPage(m_values.tuning, preset.midi));
    AddPage(new HtmlAppletPage(m_values.html));
    AddPage(new DisplayPage(m_values.display));
    if (preset.allPages)
        AddPage(new GeneralPage(m_values.general));
    AddPage(new SoundPage(m_values.sound, preset.midi));
    AddPage(new MidiOutPage(m_values.midiOut, preset.midi));
}

ports::OptionsResult OptionsSheet::Result(int dialogResult) const
{
    return {dialogResult == QDialog::Accepted, m_nLastPage, m_values};
}

void OptionsSheet::done(int result)
{
    PropertySheet::done(result);
    if (LastActiveIndex() >= 0 && LastActiveIndex() < GetPageCount())
        m_nLastPage = LastActiveIndex();
}

bool OptionsSheet::OnApplyNow()
{
    // The framework has shown why the values were refused; the pages stay modified.
    if (platform::PropertyPage* active = GetActivePage(); active && !active->UpdateData(true))
        return false;
    // The Sound page sets the output to what is about to be applied.
    for (int i = 0; i < GetPageCount(); ++i) {
        if (GetPage(i)->IsCreated())
            GetPage(i)->OnApply();
    }
    if (m_applyNow)
        m_applyNow(m_values);
    for (int i = 0; i < GetPageCount(); ++i)
        GetPage(i)->SetModified(false);
    return true;
}

ports::OptionsResult OptionsDialogs::RunOptionsSheet(const ports::OptionsPreset& preset,
                                                     const std::function<void(const ports::OptionsValues&)>& applyNow)
{
    OptionsSheet sheet(preset, applyNow, m_parent);
    const int result = sheet.DoModal();
    return sheet.Result(result);
}

}  // namespace dialogs
