#include "properties/page_emitter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "properties/data_exchange.h"
#include "properties/page_controls.h"

CPageEmitter::CPageEmitter(QWidget* parent) : CPropertyPage("Emitter", parent) {
    setObjectName("pageEmitter");

    auto* rotation = new QGroupBox("Rotation", this);
    m_listAxis = new QListWidget(rotation);
    m_listAxis->setObjectName("1000");
    m_listAxis->setSortingEnabled(true);
    m_listAxis->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listAxis->setFixedHeight(m_listAxis->fontMetrics().height() * 4);
    m_listAxis->setMaximumWidth(m_listAxis->fontMetrics().horizontalAdvance("X-Axis") * 2);
    m_pBase = MakeEdit(rotation, 1001);
    m_pSpread = MakeEdit(rotation, 1002);
    auto* rotationGrid = new QGridLayout;
    rotationGrid->addWidget(MakeLabel(rotation, "Base:", m_pBase), 0, 0);
    rotationGrid->addWidget(m_pBase, 0, 1);
    rotationGrid->addWidget(MakeLabel(rotation, "degrees"), 0, 2);
    rotationGrid->addWidget(MakeLabel(rotation, "Spread:", m_pSpread), 1, 0);
    rotationGrid->addWidget(m_pSpread, 1, 1);
    rotationGrid->addWidget(MakeLabel(rotation, "degrees"), 1, 2);
    rotationGrid->setColumnStretch(3, 1);
    auto* rotationLayout = new QHBoxLayout(rotation);
    rotationLayout->addWidget(m_listAxis);
    rotationLayout->addLayout(rotationGrid, 1);

    auto* timing = new QGroupBox("Timing", this);
    m_pSpeed = MakeEdit(timing, 1003);
    m_pSpeedSpread = MakeEdit(timing, 1020);
    m_pLife = MakeEdit(timing, 1004);
    m_pLifeSpread = MakeEdit(timing, 1021);
    m_pSpawnTime = MakeEdit(timing, 1005);
    m_pSpawnTimeSpread = MakeEdit(timing, 1019);
    auto* timingGrid = new QGridLayout(timing);
    const struct {
        const char* label;
        QLineEdit* base;
        QLineEdit* spread;
    } rows[] = {{"Speed:", m_pSpeed, m_pSpeedSpread},
                {"Life:", m_pLife, m_pLifeSpread},
                {"Spawntime:", m_pSpawnTime, m_pSpawnTimeSpread}};
    for (int r = 0; r < 3; ++r) {
        timingGrid->addWidget(MakeLabel(timing, rows[r].label, rows[r].base), r, 0);
        timingGrid->addWidget(rows[r].base, r, 1);
        timingGrid->addWidget(MakeLabel(timing, "Spread:", rows[r].spread), r, 2);
        timingGrid->addWidget(rows[r].spread, r, 3);
    }
    timingGrid->setColumnStretch(4, 1);

    m_pParticles = MakeEdit(this, 1013);
    auto* count = new QHBoxLayout;
    count->addWidget(MakeLabel(this, "Number of particles:", m_pParticles));
    count->addWidget(m_pParticles);
    count->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotation);
    layout->addWidget(timing);
    layout->addLayout(count);
    layout->addStretch(1);

    QWidget* order[] = {m_listAxis, m_pBase, m_pSpread, m_pSpeed, m_pSpeedSpread,
                        m_pLife, m_pLifeSpread, m_pSpawnTime, m_pSpawnTimeSpread, m_pParticles};
    for (int i = 0; i + 1 < 10; ++i) setTabOrder(order[i], order[i + 1]);

    for (QLineEdit* edit : {m_pBase, m_pSpread, m_pSpeed, m_pLife, m_pSpawnTime, m_pParticles,
                            m_pSpawnTimeSpread, m_pSpeedSpread, m_pLifeSpread})
        connect(edit, &QLineEdit::textChanged, this, [this] { OnChangeField(); });
    connect(m_listAxis, &QListWidget::currentRowChanged, this,
            [this](int row) { ChangeListSelection(m_listAxis, m_nAxis, row); });
}

void CPageEmitter::DoDataExchange(CDataExchange& dx) {
    dx.Text(m_pLife, m_fLife);
    dx.MinMax(m_fLife, 0.0f, 60.0f);
    dx.Text(m_pSpeed, m_fSpeed);
    dx.Text(m_pParticles, m_nNumParticles);
    dx.MinMax(m_nNumParticles, 1, 1000);
    dx.Text(m_pSpawnTime, m_fSpawnTime);
    dx.MinMax(m_fSpawnTime, 0.0f, 1.0f);
    dx.Text(m_pSpawnTimeSpread, m_fSpawnTimeSpread);
    dx.MinMax(m_fSpawnTimeSpread, 0.0f, 1.0f);
    dx.Text(m_pSpeedSpread, m_fSpeedSpread);
    dx.Text(m_pLifeSpread, m_fLifeSpread);
    if (m_nAxis < 0) return;  // the list is not filled yet
    const int k = m_listAxis->item(m_nAxis)->data(Qt::UserRole).toInt();
    dx.Text(m_pBase, m_fAxisBase[k]);
    dx.MinMax(m_fAxisBase[k], 0.0f, 360.0f);
    dx.Text(m_pSpread, m_fAxisSpread[k]);
    dx.MinMax(m_fAxisSpread[k], 0.0f, 360.0f);
}

void CPageEmitter::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    FillList(m_listAxis, {"X-Axis", "Y-Axis", "Z-Axis"}, m_nAxis);
}
