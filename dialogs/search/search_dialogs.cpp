#include "dialogs/search/search_dialogs.h"

#include "dialogs/search/chord_directory_dialog.h"
#include "dialogs/search/search_sheet.h"

namespace dialogs {

ports::SearchSheetResult SearchDialogs::RunSearchSheet(const ports::SearchSheetPreset& preset, UserDirList& userDir)
{
    SearchSheet sheet(preset, userDir, m_parent);
    const int result = sheet.DoModal();
    return sheet.Result(result);
}

ports::ChordDirectoryResult SearchDialogs::RunChordDirectory(const ports::ChordDirectoryPreset& preset)
{
    ChordDirectoryDialog dialog(m_parent);
    dialog.rootPage = preset.rootPage;
    dialog.chosenType = preset.chordType;
    dialog.shortNames = preset.shortNames;
    const int result = dialog.DoModal();
    return {result == QDialog::Accepted, dialog.rootPage, dialog.chosenType, dialog.shortNames};
}

}  // namespace dialogs
