#pragma once
#include <functional>

#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// Page indexes in normal mode; Scratch Pad mode leaves out Tuning and General.
enum OptionsPage { kScratchPadPage, kTuningPage, kHtmlAppletPage, kDisplayPage, kGeneralPage, kSoundPage, kMidiOutPage };

// The Tools > Options sheet. Its pages edit one copy of the values; Apply Now
// hands that copy to the document and keeps the sheet open.
class OptionsSheet : public platform::PropertySheet {
    Q_OBJECT
public:
    using ApplyNow = std::function<void(const ports::OptionsValues&)>;

    OptionsSheet(const ports::OptionsPreset& preset, ApplyNow applyNow, QWidget* parent = nullptr);

    // What the document takes back after the sheet ran.
    ports::OptionsResult Result(int dialogResult) const;
    const ports::OptionsValues& Values() const { return m_values; }

    void done(int result) override;

    // The page showing when the sheet closed, whichever button closed it.
    int m_nLastPage = 0;

protected:
    // Takes the active page's values; the document applies them only when
    // they pass, and every page is unmodified again.
    bool OnApplyNow() override;

private:
    ports::OptionsValues m_values;
    ApplyNow m_applyNow;
};

// The document's way to the Options sheet, run modally over parent.
class OptionsDialogs : public ports::OptionsDialogPort {
public:
    explicit OptionsDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    ports::OptionsResult RunOptionsSheet(const ports::OptionsPreset& preset,
                                         const std::function<void(const ports::OptionsValues&)>& applyNow) override;

private:
    QWidget* m_parent;
};

}  // namespace dialogs
