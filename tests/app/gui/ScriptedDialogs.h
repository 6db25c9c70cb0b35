// Message boxes and file dialogs answered by script, for GUI tests.
#pragma once

#include "platform/qt/UserDialogs.h"

#include <QStringList>

#include <deque>

namespace halvane::testing {

class ScriptedDialogs final : public platform::UserDialogs {
public:
    int MessageBox(QWidget*, const QString& text, int style) override
    {
        messages.append(text);
        styles.push_back(style);
        if (answers.empty())
            return (style & 0x0F) == platform::kMbYesNo ? platform::kIdNo : platform::kIdOk;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFileName(QWidget*, const QString& filter) override
    {
        filters.append(filter);
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }

    QStringList messages;
    std::vector<int> styles;
    std::deque<int> answers;
    std::deque<QString> files;
    QStringList filters;
};

}  // namespace halvane::testing
