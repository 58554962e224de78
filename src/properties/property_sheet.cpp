#include "properties/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "properties/property_page.h"

namespace {
std::function<int(CPropertySheet&)>& ModalRunner() {
    static std::function<int(CPropertySheet&)> runner;
    return runner;
}
}  // namespace

void CPropertySheet::SetModalRunner(std::function<int(CPropertySheet&)> runner) {
    ModalRunner() = std::move(runner);
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setObjectName("propertySheet");
    m_pTabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(QDialogButtonBox::Ok);
    m_pCancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_pApply = buttons->addButton(QDialogButtonBox::Apply);
    m_pOk->setText("OK");
    m_pCancel->setText("Cancel");
    m_pApply->setText("&Apply");
    m_pApply->setEnabled(false);
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &CPropertySheet::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pApply, &QPushButton::clicked, this, [this] { ApplyNow(); });
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    m_pages.push_back(page);
    m_bReverting = true;  // adding the first tab makes it current: not a switch
    m_pTabs->addTab(page, page->Title());
    m_bReverting = false;
    connect(page, &CPropertyPage::Modified, this, [this] { m_pApply->setEnabled(true); });
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return m_pages.isEmpty() ? nullptr : m_pages[m_nCurrent];
}

int CPropertySheet::DoModal() {
    m_nCurrent = 0;
    m_bReverting = true;
    m_pTabs->setCurrentIndex(0);
    m_bReverting = false;
    if (!m_pages.isEmpty()) m_pages[0]->OnSetActive();
    if (ModalRunner()) {
        show();
        const int result = ModalRunner()(*this);
        hide();
        return result;
    }
    return exec();
}

void CPropertySheet::OnCurrentChanged(int index) {
    if (m_bReverting || index == m_nCurrent || index < 0) return;
    CPropertyPage* leaving = m_pages[m_nCurrent];
    if (!leaving->OnKillActive()) {
        // Stay on the page that holds the bad value.
        m_bReverting = true;
        m_pTabs->setCurrentIndex(m_nCurrent);
        m_bReverting = false;
        leaving->FocusFailedControl();
        return;
    }
    m_nCurrent = index;
    m_pages[index]->OnSetActive();
}

bool CPropertySheet::ApplyNow() {
    CPropertyPage* current = ActivePage();
    if (current == nullptr) return true;
    if (!current->OnKillActive()) {
        current->FocusFailedControl();
        return false;
    }
    for (CPropertyPage* page : m_pages) {
        if (!page->IsInitialized()) continue;
        page->OnApply();
        page->SetModified(false);
    }
    m_pApply->setEnabled(false);
    return true;
}

void CPropertySheet::accept() {
    if (ApplyNow()) QDialog::accept();
}
