#pragma once
#include "platform/FileDialogs.h"

#include <QList>
#include <QStringList>

namespace tw::test {

// Answers each dialog with the next scripted path (the empty text: cancelled) and records what was asked.
class FakeFileDialogs : public platform::FileDialogs {
public:
    struct Request {
        QString title;
        QString filterDescription;
        QString pattern;
        QString defaultName;
        bool save = false;
    };

    QString getOpenFileName(
        QWidget*, const QString& title, const QString& filterDescription, const QString& pattern) override
    {
        requests.append({ title, filterDescription, pattern, QString(), false });
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString getSaveFileName(QWidget*, const QString& title, const QString& filterDescription, const QString& pattern,
        const QString& defaultName) override
    {
        requests.append({ title, filterDescription, pattern, defaultName, true });
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QList<Request> requests;
};

} // namespace tw::test
