#pragma once

#include <deque>
#include <vector>

#include "../qt_printers.h"
#include "app/ui_services.h"

namespace vexlume::test {

// Answers every dialog from a script and keeps what was shown.
class FakeUiServices final : public UiServices {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    FakeUiServices() { UiServices::Install(this); }
    ~FakeUiServices() override { UiServices::Install(nullptr); }

    void Message(QWidget*, const QString& text, Icon icon) override { messages.push_back({text, icon}); }
    Answer AskYesNoCancel(QWidget*, const QString& text) override {
        questions.push_back(text);
        if (answers.empty()) return Answer::Cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString GetOpenFileName(QWidget*, const QStringList& filters) override {
        lastFilters = filters;
        return NextPath();
    }
    QString GetSaveFileName(QWidget*, const QStringList& filters, const QString& suffix,
                            const QString&) override {
        lastFilters = filters;
        lastSuffix = suffix;
        return NextPath();
    }
    bool OpenUrl(const QString& url) override {
        openedUrls.push_back(url);
        return urlResult;
    }
    void Beep() override { ++beeps; }

    std::vector<Shown> messages;
    std::vector<QString> questions;
    std::deque<Answer> answers;
    std::deque<QString> paths;
    QStringList lastFilters;
    QString lastSuffix;
    std::vector<QString> openedUrls;
    bool urlResult = true;
    int beeps = 0;

private:
    QString NextPath() {
        if (paths.empty()) return {};
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

}  // namespace vexlume::test
