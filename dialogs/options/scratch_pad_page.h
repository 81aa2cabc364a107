#pragma once
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The Options sheet's Scratch Pad page: the page title, where chord titles
// stand, and once Display or Hide for every title on the Scratch Pad.
class ScratchPadPage : public platform::PropertyPage {
    Q_OBJECT
public:
    explicit ScratchPadPage(ports::ScratchPadOptions& values, QWidget* parent = nullptr);

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnSetAllChordTitles();

    ports::ScratchPadOptions& m_values;
};

}  // namespace dialogs
