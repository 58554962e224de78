#pragma once

#include <QDialog>

class QCheckBox;

// The options of a shader export: whether to write the work-around form of
// the autosprite lines. A new dialog always starts unchecked.
class CExportShaderDlg : public QDialog {
    Q_OBJECT
public:
    explicit CExportShaderDlg(QWidget* parent = nullptr);

    // The check box's state once the dialog was accepted.
    bool m_bWorkaround = false;

    void accept() override;

private:
    QCheckBox* m_pWorkaround;
};
