#pragma once
// Checks a page or dialog built from its template as a user would look at
// it: every control inside, none lying over another, every text whole.
#include <map>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include "platform/template_builder.h"

namespace testsupport {

// The widest texts a control may be given while the page runs, by id.
using LongestTexts = std::map<int, std::vector<QString>>;

inline int TextWidth(const QWidget& control, const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return QFontMetrics(control.font()).horizontalAdvance(plain);
}

// Room a control leaves for its text beside its frame, box or arrow.
inline int TextRoom(const QWidget& control)
{
    if (qobject_cast<const QLabel*>(&control))
        return control.width();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        const QMargins m = edit->textMargins();
        return edit->width() - m.left() - m.right() - 2 * control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return combo->width() - arrow - 12;
    }
    if (const auto* push = qobject_cast<const QPushButton*>(&control)) {
        // Measured on a wide text: styles widen short buttons beyond their text.
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        constexpr int kWide = 1000;
        const QSize frame = push->style()->sizeFromContents(QStyle::CT_PushButton, &option,
                                                            QSize(kWide, push->fontMetrics().height()), push);
        return push->width() - (frame.width() - kWide);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        // What the button's size hint adds to its text is what the text cannot use.
        const int overhead = button->sizeHint().width() - TextWidth(*button, button->text());
        return button->width() - overhead;
    }
    return control.width();
}

inline QString ControlName(const QWidget& control)
{
    return control.objectName().isEmpty() ? QString::fromLatin1(control.metaObject()->className())
                                          : control.objectName();
}

// One line per fault; empty when the page looks right.
inline std::vector<std::string> LayoutFaults(const QWidget& page, const LongestTexts& longest = {})
{
    std::vector<std::string> faults;
    const QRect area(QPoint(0, 0), page.minimumSize());
    std::vector<const QWidget*> controls;
    for (const QObject* child : page.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && !w->isHidden())
            controls.push_back(w);
    }
    for (const QWidget* c : controls) {
        const std::string name = ControlName(*c).toStdString();
        if (!area.contains(c->geometry()))
            faults.push_back(name + " reaches outside the page");
        std::vector<QString> texts = {platform::ControlText(c)};
        if (const auto it = longest.find(c->objectName().toInt()); it != longest.end() && !c->objectName().isEmpty())
            texts.insert(texts.end(), it->second.begin(), it->second.end());
        if (const auto* combo = qobject_cast<const QComboBox*>(c)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.push_back(combo->itemText(i));
        }
        for (const QString& text : texts) {
            if (TextWidth(*c, text) > TextRoom(*c))
                faults.push_back(name + " cuts \"" + text.toStdString() + "\"");
        }
        if (!texts.front().isEmpty() && QFontMetrics(c->font()).height() > c->height())
            faults.push_back(name + " is lower than its text");
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect a = controls[i]->geometry(), b = controls[j]->geometry();
            if (!a.intersects(b))
                continue;
            // A group box frames the controls inside it.
            const bool framed = (qobject_cast<const QGroupBox*>(controls[i]) && a.contains(b))
                                || (qobject_cast<const QGroupBox*>(controls[j]) && b.contains(a));
            if (!framed)
                faults.push_back(ControlName(*controls[i]).toStdString() + " overlaps "
                                 + ControlName(*controls[j]).toStdString());
        }
    }
    return faults;
}

}  // namespace testsupport
