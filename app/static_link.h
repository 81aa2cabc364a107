#pragma once
#include <QString>

#include "platform/notify_label.h"
#include "platform/surface.h"

// A static text that works as a hyperlink: underlined, blue until it was
// opened, purple after, with a pointing hand over it. A click opens its link
// with the desktop's handler; a text with "@" opens as a mail address. Tab
// reaches it and Space opens it as a click does.
class CStaticLink : public platform::NotifyLabel {
    Q_OBJECT
public:
    explicit CStaticLink(const QString& text = {}, QWidget* parent = nullptr);

    // What a link opens: "mailto:" and the link when it holds an "@".
    static QString LinkTarget(const QString& link);

    void OnClicked();
    bool IsVisited() const { return m_bVisited != 0; }

    platform::Colour m_colorUnvisited = 0xFF0000;  // blue
    platform::Colour m_colorVisited = 0x800080;    // purple
    int m_bVisited = 0;
    // Empty: the control's text is the link.
    QString m_strLink;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyColour();
};
