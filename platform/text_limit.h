#pragma once
#include <QString>
#include <QValidator>

class QLineEdit;

namespace platform {

// Characters, not UTF-16 units: a surrogate pair counts once.
int CharCount(const QString& text);

// Limits an edit to a number of characters however text comes in (typed,
// pasted, dropped): what goes over is cut from the end of the insertion,
// never inside a character, and an insertion with no room is refused.
// Subclasses may refuse more.
class CharLimitValidator : public QValidator {
    Q_OBJECT
public:
    // The parent edit's text is what the next insertion is measured against.
    explicit CharLimitValidator(QObject* parent = nullptr);

    void SetLimit(int limit) { m_limit = limit; }
    int Limit() const { return m_limit; }

    State validate(QString& input, int& pos) const override;

protected:
    virtual bool Allowed(const QString&) const { return true; }

private:
    int m_limit = 0x7FFFFFFF;
    QString m_last;
};

// The edit takes at most count characters as the user types; a longer text
// it holds stays whole, to be refused when saved rather than cut unseen.
void LimitChars(QLineEdit& edit, int count);
// A text about to be loaded fits the edit's limit, which grows to hold it.
void MakeRoomFor(QLineEdit& edit, const QString& text);

}  // namespace platform
