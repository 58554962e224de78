#include "app/about_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/hyper_link.h"
#include "export/product_info.h"
#include "resources/app_icon.h"

const char* const kCreditLine = "Copyright \u00a9 2025-2026 the Tandrel team";

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Vexlume");
    setObjectName("aboutDialog");

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(AppIconImage(32)));
    icon->setObjectName("icon");

    auto* name = new QLabel("Vexlume Version 1.1", this);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName("version");
    auto* makers = new QLabel("By the Tandrel team", this);
    auto* info = new QLabel(
        "For information on how to use this program and to download the latest version see", this);
    info->setWordWrap(true);
    m_wndLink = new CHyperLink(kProjectWebAddress, this);
    m_wndLink->setObjectName("IDC_LINK");
    auto* credit = new QLabel(QString::fromUtf8(kCreditLine), this);
    credit->setObjectName("credit");

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("IDOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(makers);
    texts->addSpacing(12);
    texts->addWidget(info);
    texts->addWidget(m_wndLink);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, Qt::AlignTop);
    grid->addLayout(texts, 0, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->addWidget(credit, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setFixedWidth(sizeHint().width() < 420 ? 420 : sizeHint().width());
}
