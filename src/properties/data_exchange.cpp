#include "properties/data_exchange.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/ui_services.h"
#include "properties/number_text.h"
#include "properties/property_page.h"

namespace {

// Only a text that differs is replaced, so an edit whose text stays the same
// keeps its caret.
void Show(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

void CDataExchange::Fail(const std::string& message) {
    UiServices::Instance().Message(&m_page, QString::fromStdString(message), UiServices::Icon::Warning);
    m_page.SetFailedControl(m_pLastControl);
    m_page.FocusFailedControl();
    throw Failed{};
}

void CDataExchange::Text(QLineEdit* edit, float& value) {
    m_pLastControl = edit;
    if (!m_bSaveAndValidate) {
        Show(edit, QString::fromStdString(vexlume::FormatGeneral6(value)));
        return;
    }
    std::optional<float> read = vexlume::ParseFloatField(TextOf(edit));
    if (!read) Fail(vexlume::kEnterNumber);
    value = *read;
}

void CDataExchange::Text(QLineEdit* edit, int& value) {
    m_pLastControl = edit;
    if (!m_bSaveAndValidate) {
        Show(edit, QString::number(value));
        return;
    }
    std::optional<int> read = vexlume::ParseIntField(TextOf(edit));
    if (!read) Fail(vexlume::kEnterInteger);
    value = *read;
}

void CDataExchange::Text(QLineEdit* edit, std::string& value) {
    m_pLastControl = edit;
    if (!m_bSaveAndValidate)
        Show(edit, QString::fromStdString(value));
    else
        value = TextOf(edit);
}

void CDataExchange::ComboText(QComboBox* box, std::string& value) {
    m_pLastControl = box;
    if (m_bSaveAndValidate) {
        value = box->currentText().toStdString();
        return;
    }
    const QString text = QString::fromStdString(value);
    const int entry = box->findText(text, Qt::MatchStartsWith);  // case ignored
    const QString shown = entry >= 0 ? box->itemText(entry) : text;
    if (box->currentText() == shown) return;
    if (entry >= 0) box->setCurrentIndex(entry);
    box->setEditText(shown);
}

void CDataExchange::MinMax(float value, float low, float high) {
    if (m_bSaveAndValidate && (value < low || value > high))
        Fail(vexlume::NumberBetweenMessage(low, high));
}

void CDataExchange::MinMax(int value, int low, int high) {
    if (m_bSaveAndValidate && (value < low || value > high))
        Fail(vexlume::IntegerBetweenMessage(low, high));
}
