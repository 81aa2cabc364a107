#pragma once
#include "document/search_dialog_port.h"

class QWidget;

namespace dialogs {

// The search commands' dialogs, run modally over parent.
class SearchDialogs : public ports::SearchDialogPort {
public:
    explicit SearchDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    ports::SearchSheetResult RunSearchSheet(const ports::SearchSheetPreset& preset, UserDirList& userDir) override;
    ports::ChordDirectoryResult RunChordDirectory(const ports::ChordDirectoryPreset& preset) override;

private:
    QWidget* m_parent;
};

}  // namespace dialogs
