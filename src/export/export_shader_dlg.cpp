#include "export/export_shader_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CExportShaderDlg::CExportShaderDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Export shader...");
    setObjectName("exportShaderDialog");

    auto* options = new QGroupBox("Options", this);
    m_pWorkaround = new QCheckBox("Generate work-around code", options);
    m_pWorkaround->setObjectName("IDC_WORKAROUND");
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(m_pWorkaround);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("IDOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("IDCANCEL");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(options, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void CExportShaderDlg::accept() {
    m_bWorkaround = m_pWorkaround->isChecked();
    QDialog::accept();
}
