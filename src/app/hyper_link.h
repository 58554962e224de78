#pragma once

#include <QColor>
#include <QLabel>

// A text that opens a web address: underlined in blue, purple once the
// desktop has opened it; when opening fails it only beeps. The address is the
// label's text as it was at the first click.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CHyperLink(const QString& text, QWidget* parent = nullptr);

    QColor CurrentColour() const { return m_bVisited ? m_crVisitedColour : m_crLinkColour; }

    const QColor m_crLinkColour{0, 0, 255};
    const QColor m_crVisitedColour{128, 0, 128};
    bool m_bVisited = false;
    QString m_strURL;

    void OnClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyColour();
};
