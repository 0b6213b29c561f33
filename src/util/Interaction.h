#pragma once
// How core operations talk to the user (message boxes, questions) and report long work.
// The windows, the command line and the tests each provide their own implementation.

#include <QString>

class Interaction
{
public:
    virtual ~Interaction() = default;
    virtual void warn(const QString &title, const QString &text) = 0;
    virtual void error(const QString &title, const QString &text) = 0;
    virtual void info(const QString &title, const QString &text) = 0;
    // A Yes/No question with No preselected; true means Yes.
    virtual bool ask(const QString &title, const QString &text) = 0;
};

class Progress
{
public:
    virtual ~Progress() = default;
    // Caption of the progress window (the phase of the work).
    virtual void phase(const QString &text) = 0;
    // The running counter shown at the right of the progress window.
    virtual void count(const QString &text) = 0;
    // Hides the progress window; a later phase() shows it again.
    virtual void hide() {}
    // Called often while one long statement runs: keeps the window painted. It must not
    // touch the store.
    virtual void keepAlive() {}
    virtual bool cancelled() const { return false; }
};

// Progress that shows nothing.
class NullProgress : public Progress
{
public:
    void phase(const QString &) override {}
    void count(const QString &) override {}
};
