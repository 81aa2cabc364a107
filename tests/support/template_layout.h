#pragma once
// What a user would see wrong on a page built from a template: a control
// outside the page, text cut off by its control, controls drawn over each
// other (group boxes apart, which frame the controls on them).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace testsupport {

inline std::string ControlName(const QWidget* w)
{
    const QString text = qobject_cast<const QAbstractButton*>(w) ? static_cast<const QAbstractButton*>(w)->text()
                         : qobject_cast<const QLabel*>(w)        ? static_cast<const QLabel*>(w)->text()
                         : qobject_cast<const QGroupBox*>(w)     ? static_cast<const QGroupBox*>(w)->title()
                                                                 : QString();
    return (w->objectName() + " \"" + text + "\" (" + w->metaObject()->className() + ")").toStdString();
}

// The room a control's text needs, or an empty size when it has none to show.
inline QSize TextNeeds(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty())
            return {};
        // Wrapped text takes the control's width and needs its lines' height.
        return label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
    }
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return {text.width() + 8, text.height() + 4};
    }
    // A box may be as low as its lines of text; its indicator fits beside them.
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        auto* box = static_cast<const QAbstractButton*>(w);
        return {box->sizeHint().width(), box->fontMetrics().size(Qt::TextShowMnemonic, box->text()).height()};
    }
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title().isEmpty() ? QSize() : QSize(box->minimumSizeHint().width(), 0);
    return {};
}

inline std::vector<std::string> LayoutProblems(const QWidget& page)
{
    std::vector<std::string> problems;
    std::vector<const QWidget*> controls;
    for (const QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!w->isHidden())
            controls.push_back(w);
    }
    for (const QWidget* w : controls) {
        if (!page.rect().contains(w->geometry()))
            problems.push_back(ControlName(w) + " reaches outside the page");
        const QSize needs = TextNeeds(w);
        if (needs.isValid() && (needs.width() > w->width() || needs.height() > w->height()))
            problems.push_back(ControlName(w) + " needs " + std::to_string(needs.width()) + "x" +
                               std::to_string(needs.height()) + " but has " + std::to_string(w->width()) + "x" +
                               std::to_string(w->height()));
    }
    for (const QWidget* w : controls) {
        auto* box = qobject_cast<const QGroupBox*>(w);
        if (!box)
            continue;
        // Below the caption and wholly inside the frame, or wholly outside.
        const QRect inside = box->geometry().adjusted(1, box->fontMetrics().height(), -1, -1);
        for (const QWidget* c : controls) {
            if (c == w || qobject_cast<const QGroupBox*>(c) || !c->geometry().intersects(box->geometry()))
                continue;
            if (!inside.contains(c->geometry()))
                problems.push_back(ControlName(c) + " crosses the frame or caption of " + ControlName(w));
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (qobject_cast<const QGroupBox*>(controls[i]) || qobject_cast<const QGroupBox*>(controls[j]))
                continue;
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                problems.push_back(ControlName(controls[i]) + " overlaps " + ControlName(controls[j]));
        }
    }
    return problems;
}

// Each problem as a failure of the running test.
inline void ExpectWholeControls(const QWidget& dialog)
{
    for (const std::string& problem : LayoutProblems(dialog))
        ADD_FAILURE() << problem;
}

}  // namespace testsupport
