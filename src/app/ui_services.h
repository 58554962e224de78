#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Everything that waits for the user outside our own windows: message boxes,
// file dialogs, the desktop's web browser, the beep. Tests install their own
// so that nothing blocks.
class UiServices {
public:
    enum class Icon { Warning, Stop, Question, Information };
    enum class Answer { Yes, No, Cancel, Ok };

    virtual ~UiServices() = default;

    // A message box titled "Vexlume" with an OK button.
    virtual void Message(QWidget* parent, const QString& text, Icon icon) = 0;
    // "Save changes to <name>?" with Yes, No and Cancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A full path, or empty when cancelled. filters: "Name (*.ext)" entries,
    // the first selected; defaultSuffix without its dot.
    virtual QString GetOpenFileName(QWidget* parent, const QStringList& filters) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QStringList& filters,
                                    const QString& defaultSuffix, const QString& initialName) = 0;
    // Asks the desktop to open a web address; true when it did.
    virtual bool OpenUrl(const QString& url) = 0;
    virtual void Beep() = 0;

    static UiServices& Instance();
    // Installs a replacement (not owned); null restores the real one.
    static void Install(UiServices* services);
};
