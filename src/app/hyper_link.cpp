#include "app/hyper_link.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "app/ui_services.h"

CHyperLink::CHyperLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ApplyColour();
}

void CHyperLink::ApplyColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, CurrentColour());
    setPalette(colours);
}

void CHyperLink::OnClicked() {
    if (m_strURL.isEmpty()) m_strURL = text();
    if (UiServices::Instance().OpenUrl(m_strURL)) {
        m_bVisited = true;
        ApplyColour();
        update();
    } else {
        UiServices::Instance().Beep();
    }
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OnClicked();
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
        OnClicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
