#include "properties/property_page.h"

#include <QLineEdit>

#include "properties/data_exchange.h"

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_strTitle(title) {}

bool CPropertyPage::UpdateData(bool bSaveAndValidate) {
    const bool wasExchanging = m_bExchanging;
    m_bExchanging = true;
    bool ok = true;
    try {
        CDataExchange dx(*this, bSaveAndValidate);
        DoDataExchange(dx);
    } catch (const CDataExchange::Failed&) {
        ok = false;
    }
    m_bExchanging = wasExchanging;
    return ok;
}

bool CPropertyPage::OnApply() {
    if (m_applyHook) m_applyHook();
    return true;
}

void CPropertyPage::OnSetActive() {
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
    } else {
        UpdateData(false);
    }
}

void CPropertyPage::SetModified(bool modified) {
    m_bModified = modified;
    if (modified) emit Modified();
}

void CPropertyPage::FocusFailedControl() {
    if (m_pFailedControl == nullptr) return;
    m_pFailedControl->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(m_pFailedControl)) edit->selectAll();
}
