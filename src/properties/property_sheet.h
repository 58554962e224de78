#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class CPropertyPage;
class QPushButton;
class QTabWidget;

// A modal, tabbed sheet with OK, Cancel and Apply. Leaving a page (another
// tab, Apply, OK) reads it with checks and stays on it when that fails;
// Apply and OK then notify every page shown so far, in page order. Apply is
// enabled while a page reports a change.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(CPropertyPage* page);
    // Shows the start page and runs the sheet modally; returns Accepted or
    // Rejected.
    int DoModal();

    QPushButton* ApplyButton() const { return m_pApply; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QTabWidget* Tabs() const { return m_pTabs; }
    CPropertyPage* ActivePage() const;

    // Replaces the modal loop in tests: it gets the shown sheet and returns
    // its result.
    static void SetModalRunner(std::function<int(CPropertySheet&)> runner);

    void accept() override;

private:
    bool ApplyNow();
    void OnCurrentChanged(int index);

    QTabWidget* m_pTabs;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    QPushButton* m_pApply;
    QList<CPropertyPage*> m_pages;
    int m_nCurrent = 0;
    bool m_bReverting = false;
};
