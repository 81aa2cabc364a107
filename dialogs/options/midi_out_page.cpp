#include "dialogs/options/midi_out_page.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "dialogs/options/options_templates.h"
#include "dialogs/options/sound_logic.h"
#include "document/midi_devices.h"
#include "document/ports.h"
#include "platform/list_boxes.h"
#include "platform/qt_text.h"

namespace dialogs {

MidiOutPage::MidiOutPage(ports::MidiOutOptions& values, ports::MidiPort* midi, QWidget* parent)
    : PropertyPage(kMidiOutTemplate, parent), m_values(values), m_midi(midi)
{
}

void MidiOutPage::BindControls()
{
    connect(Control<QComboBox>(id::kOutputDevice), &QComboBox::activated, this,
            [this](int index) { OnSelchangeOutputDevice(index); });
}

bool MidiOutPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    // Listed once: the names in the box and the ids they stand for stay together.
    if (m_midi)
        m_devices = document::ListMidiDevices(*m_midi);
    auto* combo = Control<QComboBox>(id::kOutputDevice);
    // With no name stored the first device is the one in use, and shown;
    // the name is not filled in, so that OK is no change of device.
    const std::string shown =
        !m_devices.empty() && m_values.device.empty() ? m_devices.front().caps.name : m_values.device;
    for (const document::MidiDevice& device : m_devices)
        platform::AddString(*combo, platform::ToQString(device.caps.name));
    if (const auto id = document::LastDeviceNamed(m_devices, shown))
        m_nDevice = *id;
    platform::SelectStringPrefix(*combo, platform::ToQString(shown));
    if (!m_devices.empty())
        ShowDeviceCaps();
    return true;
}

void MidiOutPage::ShowDeviceCaps()
{
    auto* features = Control<QListWidget>(id::kFeatures);
    features->clear();
    kvmidi::MidiOutCaps caps;
    if (!m_midi || m_midi->DevCaps(m_nDevice, caps) != kvmidi::kOk) {
        // Nothing known about it: the texts the page was built with.
        Control<QLabel>(id::kTechnology)->setText(platform::ToQString(sound::MidiTechnologyName(0)));
        Control<QLabel>(id::kVoices)->clear();
        Control<QLabel>(id::kNotes)->clear();
        return;
    }
    Control<QLabel>(id::kTechnology)->setText(platform::ToQString(sound::MidiTechnologyName(caps.technology)));
    Control<QLabel>(id::kVoices)->setText(QString::number(caps.voices));
    Control<QLabel>(id::kNotes)->setText(QString::number(caps.notes));
    for (const std::string& line : sound::MidiFeatureLines(caps.support))
        platform::AddString(*features, platform::ToQString(line));
}

void MidiOutPage::OnSelchangeOutputDevice(int index)
{
    if (index < 0)
        return;
    m_values.device = platform::ToUtf8(Control<QComboBox>(id::kOutputDevice)->itemText(index));
    if (const auto id = document::LastDeviceNamed(m_devices, m_values.device))
        m_nDevice = *id;
    ShowDeviceCaps();
    SetModified(true);
}

}  // namespace dialogs
