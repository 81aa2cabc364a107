#pragma once
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The Options sheet's Display page: note names on the frets, coloured notes.
class DisplayPage : public platform::PropertyPage {
    Q_OBJECT
public:
    explicit DisplayPage(ports::DisplayOptions& values, QWidget* parent = nullptr);

protected:
    void BindControls() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    ports::DisplayOptions& m_values;
};

}  // namespace dialogs
