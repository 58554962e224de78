#pragma once

#include <QWidget>
#include <functional>

class CDataExchange;
class QListWidget;

// One tab of the Properties sheet. Its fields are exchanged with its
// controls by DoDataExchange; its window is made (OnInitDialog) the first
// time its tab is shown.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);

    QString Title() const { return m_strTitle; }

    // Shows (false) or reads with checks (true) all fields; false when a read
    // was rejected.
    bool UpdateData(bool bSaveAndValidate);
    virtual void DoDataExchange(CDataExchange& dx) = 0;

    // The first display: the controls are set up and all fields shown.
    virtual void OnInitDialog() { UpdateData(false); }
    // The apply notification of the sheet; the page never refuses it.
    virtual bool OnApply();
    // Leaving the page reads it; coming back shows it again.
    bool OnKillActive() { return UpdateData(true); }
    void OnSetActive();
    bool IsInitialized() const { return m_bInitialized; }

    // Tells the sheet that the page changed (enables Apply).
    void SetModified(bool modified = true);
    bool IsModified() const { return m_bModified; }

    // Called on an apply notification; set by whoever runs the sheet.
    std::function<void()> m_applyHook;

    // The control whose value a read rejected last.
    void FocusFailedControl();
    void SetFailedControl(QWidget* control) { m_pFailedControl = control; }

signals:
    void Modified();

protected:
    // True while the page exchanges: its own change notifications are then
    // not edits.
    bool IsExchanging() const { return m_bExchanging; }

    // Lists that pick which element of an array the edits below them show.
    // FillList adds the entries with their array index as item data (the
    // list may sort them) and selects the first position.
    void FillList(QListWidget* list, const QStringList& entries, int& position);
    // The user selected another entry: the page is read into the entry
    // selected so far, then shown for the new one; a bad value puts the
    // selection back.
    void ChangeListSelection(QListWidget* list, int& position, int row);
    // A text change the user made (not the page's own showing) marks the
    // page modified.
    void OnChangeField() {
        if (!m_bExchanging) SetModified(true);
    }

private:
    QString m_strTitle;
    bool m_bExchanging = false;
    bool m_bInitialized = false;
    bool m_bModified = false;
    QWidget* m_pFailedControl = nullptr;
    bool m_bSelecting = false;
};
