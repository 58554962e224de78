#include "properties/page_shader_file.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/data_exchange.h"
#include "properties/page_controls.h"

CPageShaderFile::CPageShaderFile(QWidget* parent) : CPropertyPage("Shader", parent) {
    setObjectName("pageShader");

    auto* q3map = new QGroupBox("Q3Map", this);
    m_pMapDir = MakeEdit(q3map, 1014, 15);
    m_pEffectName = MakeEdit(q3map, 1015, 15);
    m_pReference = MakeEdit(q3map, 1018, 25);
    m_pReference->setReadOnly(true);
    auto* q3mapLayout = new QVBoxLayout(q3map);
    q3mapLayout->addWidget(MakeLabel(q3map, "Map texture directory:", m_pMapDir));
    q3mapLayout->addWidget(m_pMapDir);
    q3mapLayout->addWidget(MakeLabel(q3map, "Effect name:", m_pEffectName));
    q3mapLayout->addWidget(m_pEffectName);
    q3mapLayout->addWidget(MakeLabel(q3map, "Your shader will be referenced as:", m_pReference));
    q3mapLayout->addWidget(m_pReference);

    auto* editor = new QGroupBox("Editor", this);
    m_pEditorImage = MakeEdit(editor, 1016, 25);
    auto* editorLayout = new QVBoxLayout(editor);
    editorLayout->addWidget(MakeLabel(editor, "Editor image:", m_pEditorImage));
    editorLayout->addWidget(m_pEditorImage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(q3map);
    layout->addWidget(editor);
    layout->addStretch(1);

    setTabOrder(m_pMapDir, m_pEffectName);
    setTabOrder(m_pEffectName, m_pReference);
    setTabOrder(m_pReference, m_pEditorImage);

    for (QLineEdit* edit : {m_pMapDir, m_pEffectName, m_pEditorImage})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!IsExchanging()) UpdateReference();
        });
}

void CPageShaderFile::DoDataExchange(CDataExchange& dx) {
    dx.Text(m_pEditorImage, m_strEditorImage);
    dx.Text(m_pEffectName, m_strEffectName);
    dx.Text(m_pReference, m_strReference);
    dx.Text(m_pMapDir, m_strMapDir);
}

void CPageShaderFile::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    UpdateReference();
}

// Showing changes only the reference line: the edit being typed into keeps
// its text and its caret.
void CPageShaderFile::UpdateReference() {
    if (!UpdateData(true)) return;
    m_strReference = "textures/" + m_strMapDir + "/" + m_strEffectName + "_#";
    UpdateData(false);
}
