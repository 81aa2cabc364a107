#pragma once
#include <string>

#include <QString>

class QWidget;

namespace platform {

// Moves values between a dialog's members and its controls, found by id
// among the host's children. Loading writes the controls; saving reads them
// and validates. The first failure shows the framework's text, focuses and
// selects the control, and turns every later call into a no-op.
class DataExchange {
public:
    DataExchange(QWidget& host, bool saveAndValidate);

    bool SaveAndValidate() const { return m_save; }
    bool Failed() const { return m_failed; }

    // 0 unchecked, 1 checked, 2 indeterminate.
    void Check(int id, int& value);
    // Position in the group that starts with firstId; -1 none. Loading an
    // index outside the group checks nothing.
    void Radio(int firstId, int& index);
    void Text(int id, QString& value);
    void Text(int id, std::string& value);
    // A decimal integer; saving refuses anything else.
    void Text(int id, int& value);
    // Selected row or entry; -1 none. Loading sends no notification.
    void ListIndex(int id, int& index);
    void ComboIndex(int id, int& index);
    // Scroll bar or slider position.
    void Scroll(int id, int& position);

    // Validators for the control exchanged last; they check only when saving.
    void MinMaxInt(int value, int minimum, int maximum);
    // Counts code points. Loading also limits typing in the edit to count
    // characters, keeping a longer text it already holds.
    void MaxChars(const QString& value, int count);
    void MaxChars(const std::string& value, int count);

    // Reports a failure on control (the last exchanged one when null).
    void Fail(const QString& message, QWidget* control = nullptr);

    static QString IntegerText();
    static QString IntegerRangeText(int minimum, int maximum);
    static QString MaxCharsText(int count);

private:
    QWidget* Prepare(int id);

    QWidget& m_host;
    bool m_save;
    bool m_failed = false;
    QWidget* m_last = nullptr;
};

}  // namespace platform
