#include "properties/property_page.h"

#include <QLineEdit>
#include <QListWidget>

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

void CPropertyPage::FillList(QListWidget* list, const QStringList& entries, int& position) {
    m_bSelecting = true;
    for (int i = 0; i < entries.size(); ++i) {
        auto* item = new QListWidgetItem(entries[i]);
        item->setData(Qt::UserRole, i);
        list->addItem(item);
    }
    list->setCurrentRow(0);
    m_bSelecting = false;
    position = 0;
    UpdateData(false);
}

void CPropertyPage::ChangeListSelection(QListWidget* list, int& position, int row) {
    if (m_bSelecting || row < 0 || row == position) return;
    if (!UpdateData(true)) {
        m_bSelecting = true;
        list->setCurrentRow(position);
        m_bSelecting = false;
        FocusFailedControl();
        return;
    }
    position = row;
    UpdateData(false);
}
