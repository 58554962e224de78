#include "properties/page_graphic.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "properties/data_exchange.h"
#include "properties/page_controls.h"

CPageGraphic::CPageGraphic(QWidget* parent) : CPropertyPage("Graphic", parent) {
    setObjectName("pageGraphic");

    auto* basic = new QGroupBox("Basic", this);
    m_pTexture = MakeEdit(basic, 1004, 30);
    m_pBlend = new QComboBox(basic);
    m_pBlend->setObjectName("1005");
    m_pBlend->setEditable(true);
    m_pBlend->setInsertPolicy(QComboBox::NoInsert);
    m_pBlend->setMinimumWidth(m_pBlend->fontMetrics().horizontalAdvance("filter") * 3);
    auto* basicGrid = new QGridLayout(basic);
    basicGrid->addWidget(MakeLabel(basic, "Texture:", m_pTexture), 0, 0);
    basicGrid->addWidget(m_pTexture, 0, 1, 1, 2);
    basicGrid->addWidget(MakeLabel(basic, "Blend mode:", m_pBlend), 1, 0);
    basicGrid->addWidget(m_pBlend, 1, 1);
    basicGrid->setColumnStretch(2, 1);

    auto* tweening = new QGroupBox("Tweening", this);
    m_listTween = new QListWidget(tweening);
    m_listTween->setObjectName("1007");
    m_listTween->setSortingEnabled(true);
    m_listTween->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listTween->setFixedHeight(m_listTween->fontMetrics().height() * 4);
    m_listTween->setMaximumWidth(m_listTween->fontMetrics().horizontalAdvance("brightness") * 2);
    m_pStart = MakeEdit(tweening, 1011, 5);
    m_pStartSpread = MakeEdit(tweening, 1010, 5);
    m_pEnd = MakeEdit(tweening, 1008, 5);
    m_pEndSpread = MakeEdit(tweening, 1009, 5);
    auto* tweenGrid = new QGridLayout;
    tweenGrid->addWidget(MakeLabel(tweening, "Start:", m_pStart), 0, 0);
    tweenGrid->addWidget(m_pStart, 0, 1);
    tweenGrid->addWidget(MakeLabel(tweening, "Spread:", m_pStartSpread), 0, 2);
    tweenGrid->addWidget(m_pStartSpread, 0, 3);
    tweenGrid->addWidget(MakeLabel(tweening, "End:", m_pEnd), 1, 0);
    tweenGrid->addWidget(m_pEnd, 1, 1);
    tweenGrid->addWidget(MakeLabel(tweening, "Spread:", m_pEndSpread), 1, 2);
    tweenGrid->addWidget(m_pEndSpread, 1, 3);
    tweenGrid->setRowStretch(2, 1);
    auto* tweenLayout = new QHBoxLayout(tweening);
    tweenLayout->addWidget(m_listTween);
    tweenLayout->addLayout(tweenGrid, 1);

    m_pRotation = MakeEdit(this, 1012, 5);
    m_pRotationSpread = MakeEdit(this, 1013, 5);
    auto* rotation = new QHBoxLayout;
    rotation->addWidget(MakeLabel(this, "Rotation:", m_pRotation));
    rotation->addWidget(m_pRotation);
    rotation->addWidget(MakeLabel(this, "Spread:", m_pRotationSpread));
    rotation->addWidget(m_pRotationSpread);
    rotation->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(tweening);
    layout->addLayout(rotation);
    layout->addStretch(1);

    QWidget* order[] = {m_pTexture, m_pBlend, m_listTween, m_pStart, m_pStartSpread,
                        m_pEnd, m_pEndSpread, m_pRotation, m_pRotationSpread};
    for (int i = 0; i + 1 < 9; ++i) setTabOrder(order[i], order[i + 1]);

    for (QLineEdit* edit : {m_pTexture, m_pEnd, m_pEndSpread, m_pStartSpread, m_pStart, m_pRotation,
                            m_pRotationSpread})
        connect(edit, &QLineEdit::textChanged, this, [this] { OnChangeField(); });
    // Typing in the blend box is an edit; picking an entry from its list is not.
    connect(m_pBlend->lineEdit(), &QLineEdit::textEdited, this, [this] { OnChangeField(); });
    connect(m_listTween, &QListWidget::currentRowChanged, this,
            [this](int row) { ChangeListSelection(m_listTween, m_nTween, row); });
}

void CPageGraphic::DoDataExchange(CDataExchange& dx) {
    dx.ComboText(m_pBlend, m_strBlend);
    dx.Text(m_pRotation, m_fRotation);
    dx.Text(m_pTexture, m_strTexture);
    dx.Text(m_pRotationSpread, m_fRotationSpread);
    if (m_nTween < 0) return;  // the list is not filled yet
    const int k = m_listTween->item(m_nTween)->data(Qt::UserRole).toInt();
    dx.Text(m_pEnd, m_fTweenEnd[k]);
    dx.Text(m_pEndSpread, m_fTweenEndSpread[k]);
    dx.Text(m_pStart, m_fTweenStart[k]);
    dx.Text(m_pStartSpread, m_fTweenStartSpread[k]);
}

void CPageGraphic::OnInitDialog() {
    // The blend suggestions come with the controls, before the first show.
    m_pBlend->addItems({"add", "blend", "filter"});
    CPropertyPage::OnInitDialog();
    // The list is sorted: the item data, not the position, is the tween.
    FillList(m_listTween, {"opacity", "brightness", "stretch"}, m_nTween);
}

