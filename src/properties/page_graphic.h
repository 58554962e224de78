#pragma once

#include "properties/page_fields.h"
#include "properties/property_page.h"

class QComboBox;
class QLineEdit;
class QListWidget;

// The Graphic page: texture, blend mode, texture rotation, and the start and
// end values of the three tweens.
class CPageGraphic : public CPropertyPage, public GraphicPageFields {
    Q_OBJECT
public:
    explicit CPageGraphic(QWidget* parent = nullptr);

    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;

    QListWidget* m_listTween;
    int m_nTween = -1;  // position of the selected tween; -1 before the first display

private:
    QLineEdit* m_pTexture;        // 1004
    QComboBox* m_pBlend;          // 1005
    QLineEdit* m_pEnd;            // 1008
    QLineEdit* m_pEndSpread;      // 1009
    QLineEdit* m_pStartSpread;    // 1010
    QLineEdit* m_pStart;          // 1011
    QLineEdit* m_pRotation;       // 1012
    QLineEdit* m_pRotationSpread; // 1013
};
