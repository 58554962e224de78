// Edit > Properties: the sheet with its three pages, filled from the
// document and applied back to it.
#include <QApplication>

#include "model/particle_doc.h"
#include "properties/page_emitter.h"
#include "properties/page_graphic.h"
#include "properties/page_shader_file.h"
#include "properties/property_sheet.h"
#include "properties/transfer.h"

namespace {

// Leaves the document's four pointers null however the command ends.
struct PropertiesScope {
    explicit PropertiesScope(CParticleDoc& doc) : m_doc(doc) {}
    ~PropertiesScope() {
        delete m_doc.m_pSheet;  // owns the pages
        m_doc.m_pSheet = nullptr;
        m_doc.m_pPageEmitter = nullptr;
        m_doc.m_pPageGraphic = nullptr;
        m_doc.m_pPageShaderFile = nullptr;
    }
    CParticleDoc& m_doc;
};

}  // namespace

void CParticleDoc::OnEditProperties() {
    PropertiesScope scope(*this);
    m_pPageEmitter = new CPageEmitter;
    m_pPageGraphic = new CPageGraphic;
    m_pPageShaderFile = new CPageShaderFile;
    m_pSheet = new CPropertySheet("Properties", QApplication::activeWindow());
    m_pSheet->AddPage(m_pPageEmitter);
    m_pSheet->AddPage(m_pPageGraphic);
    m_pSheet->AddPage(m_pPageShaderFile);
    TransferToPages(*this, *m_pPageEmitter, *m_pPageGraphic, *m_pPageShaderFile);
    // The Emitter and Graphic pages apply the document on every apply
    // notification; the Shader page applies nothing of its own.
    m_pPageEmitter->m_applyHook = [this] { ApplyProperties(); };
    m_pPageGraphic->m_applyHook = [this] { ApplyProperties(); };

    if (m_pSheet->DoModal() == QDialog::Accepted) ApplyProperties();
}

bool CParticleDoc::ApplyProperties() {
    ApplyPageValues(*this, *m_pPageEmitter, *m_pPageGraphic, *m_pPageShaderFile);
    return true;
}
