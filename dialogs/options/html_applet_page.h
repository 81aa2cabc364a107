#pragma once
#include "document/options_dialog_port.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The Options sheet's HTML/Applet page: the exported applet's font, colours,
// reduced-scale margins and what is saved and printed.
class HtmlAppletPage : public platform::PropertyPage {
    Q_OBJECT
public:
    explicit HtmlAppletPage(ports::HtmlOptions& values, QWidget* parent = nullptr);

    static constexpr COLORREF kDefaultText = 0x000000;
    static constexpr COLORREF kDefaultBackground = 0xC0C0C0;

protected:
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    // Text or Background: the standard colour dialog for one of the two.
    void OnChooseColour(COLORREF& colour);
    void OnDefaultColours();
    void OnReducedScale();
    void OnLeftMargin(int position);
    void OnRowSeparation(int position);
    void EnableReducedScaleControls(bool enable);
    // The colour group's caption in the applet's text and background colours.
    void ShowColours();

    ports::HtmlOptions& m_values;
};

}  // namespace dialogs
