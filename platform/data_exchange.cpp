#include "platform/data_exchange.h"


#include <QAbstractSlider>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/dialog_runner.h"
#include "platform/list_boxes.h"
#include "platform/qt_text.h"
#include "platform/template_builder.h"
#include "platform/text_limit.h"

namespace platform {

DataExchange::DataExchange(QWidget& host, bool saveAndValidate) : m_host(host), m_save(saveAndValidate) {}

QString DataExchange::IntegerText()
{
    return QStringLiteral("Please enter an integer.");
}

QString DataExchange::IntegerRangeText(int minimum, int maximum)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum);
}

QString DataExchange::MaxCharsText(int count)
{
    return QStringLiteral("Please enter no more than %1 characters.").arg(count);
}

QWidget* DataExchange::Prepare(int id)
{
    if (m_failed)
        return nullptr;
    m_last = FindControl(m_host, id);
    return m_last;
}

void DataExchange::Fail(const QString& message, QWidget* control)
{
    if (m_failed)
        return;
    m_failed = true;
    if (!control)
        control = m_last;
    MessageBox(message, MessageIcon::Exclamation);
    if (control) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
}

void DataExchange::Check(int id, int& value)
{
    auto* box = qobject_cast<QCheckBox*>(Prepare(id));
    if (!box)
        return;
    if (m_save) {
        value = box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
    } else {
        if (value == 2)
            box->setTristate(true);
        box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void DataExchange::Radio(int firstId, int& index)
{
    if (!Prepare(firstId))
        return;
    QButtonGroup* group = RadioGroup(m_host, firstId);
    if (!group)
        return;
    if (m_save) {
        index = group->checkedId();
        return;
    }
    // An exclusive group keeps one button checked; unchecking them all needs it off.
    group->setExclusive(false);
    const QList<QAbstractButton*> buttons = group->buttons();
    for (QAbstractButton* b : buttons)
        b->setChecked(group->id(b) == index);
    group->setExclusive(true);
}

void DataExchange::Text(int id, QString& value)
{
    QWidget* control = Prepare(id);
    if (!control)
        return;
    if (m_save) {
        value = ControlText(control);
        return;
    }
    // A limit from an earlier load must not cut the value; MaxChars sets the next.
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        MakeRoomFor(*edit, value);
    SetControlText(control, value);
}

void DataExchange::Text(int id, std::string& value)
{
    QString text = ToQString(value);
    Text(id, text);
    if (m_save && !m_failed)
        value = ToUtf8(text);
}

void DataExchange::Text(int id, int& value)
{
    QWidget* control = Prepare(id);
    if (!control)
        return;
    if (!m_save) {
        SetControlText(control, QString::number(value));
        return;
    }
    bool ok = false;
    const int parsed = ControlText(control).trimmed().toInt(&ok, 10);
    if (!ok) {
        Fail(IntegerText());
        return;
    }
    value = parsed;
}

void DataExchange::ListIndex(int id, int& index)
{
    auto* list = qobject_cast<QListWidget*>(Prepare(id));
    if (!list)
        return;
    if (m_save)
        index = list->selectedItems().isEmpty() ? -1 : list->currentRow();
    else
        SetCurSel(*list, index);
}

void DataExchange::ComboIndex(int id, int& index)
{
    auto* combo = qobject_cast<QComboBox*>(Prepare(id));
    if (!combo)
        return;
    if (m_save)
        index = combo->currentIndex();
    else
        SetCurSel(*combo, index);
}

void DataExchange::Scroll(int id, int& position)
{
    auto* bar = qobject_cast<QAbstractSlider*>(Prepare(id));
    if (!bar)
        return;
    if (m_save) {
        position = bar->value();
    } else {
        const QSignalBlocker blocker(bar);
        bar->setValue(position);
    }
}

void DataExchange::MinMaxInt(int value, int minimum, int maximum)
{
    if (m_failed || !m_save)
        return;
    if (value < minimum || value > maximum)
        Fail(IntegerRangeText(minimum, maximum));
}

void DataExchange::MaxChars(const QString& value, int count)
{
    if (m_failed)
        return;
    if (!m_save) {
        // Limits typing only: a longer text already there stays whole, to be
        // refused when saved, rather than cut short unseen.
        if (auto* edit = qobject_cast<QLineEdit*>(m_last))
            LimitChars(*edit, count);
        return;
    }
    if (CharCount(value) > count)
        Fail(MaxCharsText(count));
}

void DataExchange::MaxChars(const std::string& value, int count)
{
    MaxChars(ToQString(value), count);
}

}  // namespace platform
