#pragma once

#include "properties/page_fields.h"
#include "properties/property_page.h"

class QLineEdit;
class QListWidget;

// The Emitter page: the emission cone per axis, speed, life and spawn time
// with their spreads, and the number of particles.
class CPageEmitter : public CPropertyPage, public EmitterPageFields {
    Q_OBJECT
public:
    explicit CPageEmitter(QWidget* parent = nullptr);

    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;

    QListWidget* m_listAxis;
    int m_nAxis = -1;  // position of the selected axis; -1 before the first display

private:
    QLineEdit* m_pBase;       // 1001
    QLineEdit* m_pSpread;     // 1002
    QLineEdit* m_pSpeed;      // 1003
    QLineEdit* m_pLife;       // 1004
    QLineEdit* m_pSpawnTime;  // 1005
    QLineEdit* m_pParticles;  // 1013
    QLineEdit* m_pSpawnTimeSpread;  // 1019
    QLineEdit* m_pSpeedSpread;      // 1020
    QLineEdit* m_pLifeSpread;       // 1021
};
