#pragma once

#include "properties/page_fields.h"
#include "properties/property_page.h"

class QLineEdit;

// The Shader page: the names the exports use, with a read-only line that
// shows how the shaders will be referenced, updated on every keystroke.
class CPageShaderFile : public CPropertyPage, public ShaderPageFields {
    Q_OBJECT
public:
    explicit CPageShaderFile(QWidget* parent = nullptr);

    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;
    void UpdateReference();

private:
    QLineEdit* m_pMapDir;       // 1014
    QLineEdit* m_pEffectName;   // 1015
    QLineEdit* m_pEditorImage;  // 1016
    QLineEdit* m_pReference;    // 1018
};
