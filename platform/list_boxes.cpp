#include "platform/list_boxes.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace platform {

namespace {

template <class TextAt>
int UpperBound(int count, const QString& text, TextAt textAt)
{
    int lo = 0, hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (QString::compare(textAt(mid), text, Qt::CaseInsensitive) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

template <class TextAt>
int FindPrefix(int count, const QString& prefix, TextAt textAt)
{
    for (int i = 0; i < count; ++i) {
        if (textAt(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

// Qt selects the first entry put into an empty combo box; adding selects nothing here.
void InsertSilently(QComboBox& combo, int at, const QString& text)
{
    const QSignalBlocker blocker(combo);
    const bool wasEmpty = combo.count() == 0;
    combo.insertItem(at, text);
    if (wasEmpty)
        combo.setCurrentIndex(-1);
}

// Draws the focus frame only on a selected line.
class SelectedFocusDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shown(option);
        if (!(shown.state & QStyle::State_Selected))
            shown.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, shown, index);
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new SelectedFocusDelegate(this));
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    // Qt would step on from the line the focus put its caret on, unselected;
    // with no current line the first key selects the first line.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !selectionModel()->hasSelection())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    QListWidget::keyPressEvent(event);
}

int InsertSorted(QListWidget& list, const QString& text)
{
    const int at = UpperBound(list.count(), text, [&](int i) { return list.item(i)->text(); });
    list.insertItem(at, text);
    return at;
}

int InsertSorted(QComboBox& combo, const QString& text)
{
    const int at = UpperBound(combo.count(), text, [&](int i) { return combo.itemText(i); });
    InsertSilently(combo, at, text);
    return at;
}

int AddString(QListWidget& list, const QString& text)
{
    if (list.property("sorted").toBool())
        return InsertSorted(list, text);
    list.addItem(text);
    return list.count() - 1;
}

int AddString(QComboBox& combo, const QString& text)
{
    if (combo.property("sorted").toBool())
        return InsertSorted(combo, text);
    InsertSilently(combo, combo.count(), text);
    return combo.count() - 1;
}

int FindStringPrefix(const QListWidget& list, const QString& prefix)
{
    return FindPrefix(list.count(), prefix, [&](int i) { return list.item(i)->text(); });
}

int FindStringPrefix(const QComboBox& combo, const QString& prefix)
{
    return FindPrefix(combo.count(), prefix, [&](int i) { return combo.itemText(i); });
}

int SelectStringPrefix(QListWidget& list, const QString& prefix)
{
    const int at = FindStringPrefix(list, prefix);
    if (at >= 0)
        SetCurSel(list, at);
    return at;
}

int SelectStringPrefix(QComboBox& combo, const QString& prefix)
{
    const int at = FindStringPrefix(combo, prefix);
    if (at >= 0)
        SetCurSel(combo, at);
    return at;
}

void SetCurSel(QListWidget& list, int index)
{
    const QSignalBlocker blocker(list);
    if (index >= 0 && index < list.count()) {
        list.setCurrentRow(index);
    } else {
        list.clearSelection();
        list.setCurrentRow(-1);
    }
}

void SetCurSel(QComboBox& combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo.setCurrentIndex(index >= 0 && index < combo.count() ? index : -1);
}

}  // namespace platform
