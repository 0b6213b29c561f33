#pragma once
// Locks the main window for a long core operation from its first progress phase on (the checks
// and questions before it run unlocked), with the busy cursor; unlocks when the work ends,
// also by an exception (destructor). Messages shown while locked get the normal cursor.

#include "util/Interaction.h"

#include <functional>

class WorkLock : public Progress, public Interaction
{
public:
    // `lock(true)` disables what could start other work; `lock(false)` enables it again.
    WorkLock(Progress &progress, Interaction &ui, std::function<void(bool)> lock);
    ~WorkLock() override;
    WorkLock(const WorkLock &) = delete;
    WorkLock &operator=(const WorkLock &) = delete;

    bool locked() const { return m_locked; }
    // Hides the progress window and unlocks (does nothing when not locked).
    void unlock();

    void phase(const QString &text) override;
    void count(const QString &text) override;
    void hide() override;
    void keepAlive() override;
    bool cancelled() const override;

    void warn(const QString &title, const QString &text) override;
    void error(const QString &title, const QString &text) override;
    void info(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;

private:
    void lockNow();
    template <typename F> auto withNormalCursor(F &&show);

    Progress &m_progress;
    Interaction &m_ui;
    std::function<void(bool)> m_lock;
    bool m_locked = false;
};
