#pragma once
#include <QListWidget>
#include <QString>

class QComboBox;

// List and combo boxes as the dialogs use them: sorted boxes insert in
// case-insensitive order, programmatic selection sends no notification.
namespace platform {

// A single-selection list box as on the desktop: Up and Down select, from
// the first line when nothing is selected, and the line that merely holds
// the focus shows no frame that could pass for a selection.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Inserts after any equal entries; returns the new entry's index.
int InsertSorted(QListWidget& list, const QString& text);
int InsertSorted(QComboBox& combo, const QString& text);

// Sorted insert for a box built with the sorted style, else append.
int AddString(QListWidget& list, const QString& text);
int AddString(QComboBox& combo, const QString& text);

// The first entry that starts with prefix, case-insensitive; -1 for none.
int FindStringPrefix(const QListWidget& list, const QString& prefix);
int FindStringPrefix(const QComboBox& combo, const QString& prefix);

// Selects the first entry starting with prefix; the index or -1 (nothing
// selected then changes).
int SelectStringPrefix(QListWidget& list, const QString& prefix);
int SelectStringPrefix(QComboBox& combo, const QString& prefix);

// Selects an entry (-1: none) without notifying.
void SetCurSel(QListWidget& list, int index);
void SetCurSel(QComboBox& combo, int index);

}  // namespace platform
