#include "app/ui_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

QMessageBox::Icon ToQt(UiServices::Icon icon) {
    switch (icon) {
        case UiServices::Icon::Warning:
            return QMessageBox::Warning;
        case UiServices::Icon::Stop:
            return QMessageBox::Critical;
        case UiServices::Icon::Question:
            return QMessageBox::Question;
        case UiServices::Icon::Information:
            break;
    }
    return QMessageBox::Information;
}

class DesktopServices final : public UiServices {
public:
    void Message(QWidget* parent, const QString& text, Icon icon) override {
        QMessageBox box(ToQt(icon), "Vexlume", text, QMessageBox::Ok, parent);
        box.exec();
    }

    Answer AskYesNoCancel(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, "Vexlume", text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        switch (box.exec()) {
            case QMessageBox::Yes:
                return Answer::Yes;
            case QMessageBox::No:
                return Answer::No;
            default:
                return Answer::Cancel;
        }
    }

    QString GetOpenFileName(QWidget* parent, const QStringList& filters) override {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().first();
    }

    QString GetSaveFileName(QWidget* parent, const QStringList& filters,
                            const QString& defaultSuffix, const QString& initialName) override {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        if (!initialName.isEmpty()) dialog.selectFile(initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().first();
    }

    bool OpenUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    void Beep() override { QApplication::beep(); }
};

UiServices* g_installed = nullptr;

}  // namespace

UiServices& UiServices::Instance() {
    static DesktopServices real;
    return g_installed ? *g_installed : real;
}

void UiServices::Install(UiServices* services) { g_installed = services; }
