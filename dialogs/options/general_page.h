#pragma once
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The Options sheet's General page: Reduced Span, and the history with its size.
class GeneralPage : public platform::PropertyPage {
    Q_OBJECT
public:
    explicit GeneralPage(ports::GeneralOptions& values, QWidget* parent = nullptr);

    static constexpr int kMinHistorySize = 10;
    static constexpr int kMaxHistorySize = 200;

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnIncludeHistory();
    void EnableHistorySize(bool enable);

    ports::GeneralOptions& m_values;
};

}  // namespace dialogs
