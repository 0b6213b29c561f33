#pragma once
// Scripted Interaction for tests: records every message and answers questions from a queue
// (No when the queue is empty), so tests can assert the exact texts.

#include "util/Interaction.h"

#include <QList>
#include <QString>
#include <QStringList>

struct RecordedMessage
{
    QString kind; // "warn", "error", "info", "ask"
    QString title;
    QString text;
};

class FakeInteraction : public Interaction
{
public:
    QList<RecordedMessage> messages;
    QList<bool> answers;

    void warn(const QString &t, const QString &x) override { messages.append({"warn", t, x}); }
    void error(const QString &t, const QString &x) override { messages.append({"error", t, x}); }
    void info(const QString &t, const QString &x) override { messages.append({"info", t, x}); }
    bool ask(const QString &t, const QString &x) override
    {
        messages.append({"ask", t, x});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QStringList texts() const
    {
        QStringList r;
        for (const auto &m : messages)
            r << m.text;
        return r;
    }
    void clear() { messages.clear(); }
};

class RecordingProgress : public Progress
{
public:
    QStringList phases;
    int counts = 0;
    QString lastCount;
    void phase(const QString &t) override { phases << t; }
    void count(const QString &t) override
    {
        ++counts;
        lastCount = t;
    }
};
