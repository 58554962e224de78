#pragma once

#include <string>

class CPropertyPage;
class QComboBox;
class QLineEdit;
class QWidget;

// One exchange between a page's fields and its controls, in one direction:
// showing (fields into controls) or reading (controls into fields, checked).
// A rejected value shows its message, puts the focus on its control with all
// text selected, and stops the read.
class CDataExchange {
public:
    CDataExchange(CPropertyPage& page, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_page(page) {}

    void Text(QLineEdit* edit, float& value);
    void Text(QLineEdit* edit, int& value);
    void Text(QLineEdit* edit, std::string& value);
    // The blend box: shows the first entry that begins with the value (case
    // ignored), or the value itself; reads whatever text the box holds.
    void ComboText(QComboBox* box, std::string& value);
    // Range checks of the field exchanged last; they act only when reading.
    void MinMax(float value, float low, float high);
    void MinMax(int value, int low, int high);

    bool m_bSaveAndValidate;

    // Thrown to stop a read at the rejected field.
    struct Failed {};

private:
    [[noreturn]] void Fail(const std::string& message);

    CPropertyPage& m_page;
    QWidget* m_pLastControl = nullptr;
};
