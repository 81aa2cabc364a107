#pragma once
#include <array>
#include <string>

#include "dialogs/search/diagram_widget.h"
#include "engine/udir.h"
#include "platform/property_sheet.h"

namespace dialogs {

// The search sheet's Diagram page: notes marked on a small chord diagram.
class DiagramPage : public platform::PropertyPage {
    Q_OBJECT
public:
    DiagramPage(UserDirList& userDir, const ports::FretNotes& fretNotes, QWidget* parent = nullptr);

    // Preset before the sheet runs; read after OK.
    bool deutsch = false;
    std::array<std::string, kStringCount> tuningNotes;  // the open strings' names, 6th first
    std::string tuningName;
    ports::DiagramEntry entry{};
    int toolRadio = 0;  // 0 dot, 1 eraser
    int baseFret = 1;
    int clearPrevious = 0;

    PitchClassMask NoteMask() const { return m_mask; }
    // The resolution class the pictures are drawn for; set before the page is built.
    int dpiClass = 0;

    bool OnSetActive() override;

    // A left press on the diagram, in its own coordinates.
    void OnDiagramPressed(int x, int y);
    // The tool's marker on a string, at position 1 (open) .. 5.
    void SetMarker(int column, int position);

protected:
    QWidget* CreateCustomControl(const platform::ControlTemplate& control, QWidget* parent) override;
    void BindControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void OnChangeBaseFret();
    void OnAdd();
    // Mask, names, caption and Add follow every change; painting only draws.
    void Recompute();

    UserDirList& m_userDir;
    const ports::FretNotes& m_fretNotes;
    DiagramWidget* m_diagram = nullptr;
    PitchClassMask m_mask = 0;
    std::uint8_t m_toolMarker = ports::kDiagramDot;
};

}  // namespace dialogs
