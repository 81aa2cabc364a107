#pragma once
// Whether a built dialog shows every control whole: inside the dialog, its
// text not cut off, and clear of the others (group boxes frame controls and
// may hold them).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "platform/template_builder.h"

namespace testsupport {

inline void ExpectWholeControls(const QWidget& dialog)
{
    std::vector<const QWidget*> controls;
    for (const QObject* child : dialog.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && !w->isHidden())
            controls.push_back(w);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget* w = controls[i];
        const std::string name = '"' + platform::ControlText(w).toStdString() + '"';
        EXPECT_TRUE(dialog.rect().contains(w->geometry())) << name << " reaches outside the dialog";
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << " is cut off";
        } else if (qobject_cast<const QPushButton*>(w)) {
            // A push button's size hint asks for the style's least width; its text must fit.
            const int text = w->fontMetrics().horizontalAdvance(platform::ControlText(w).remove(QLatin1Char('&')));
            EXPECT_LE(text + 8, w->width()) << name << " is cut off";
        } else if (label || qobject_cast<const QAbstractButton*>(w)) {
            EXPECT_LE(w->sizeHint().width(), w->width()) << name << " is cut off";
        }

        if (qobject_cast<const QGroupBox*>(w))
            continue;
        for (std::size_t k = i + 1; k < controls.size(); ++k) {
            const QWidget* other = controls[k];
            if (!qobject_cast<const QGroupBox*>(other)) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << name << " overlaps \"" << platform::ControlText(other).toStdString() << '"';
            }
        }
    }
}

}  // namespace testsupport
