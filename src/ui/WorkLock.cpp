#include "ui/WorkLock.h"

#include <QApplication>

WorkLock::WorkLock(Progress &progress, Interaction &ui, std::function<void(bool)> lock)
    : m_progress(progress), m_ui(ui), m_lock(std::move(lock))
{
}

WorkLock::~WorkLock()
{
    unlock();
}

void WorkLock::lockNow()
{
    if (m_locked)
        return;
    m_locked = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_lock)
        m_lock(true);
}

void WorkLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    m_progress.hide();
    if (m_lock)
        m_lock(false);
    QApplication::restoreOverrideCursor();
}

void WorkLock::phase(const QString &text)
{
    lockNow();
    m_progress.phase(text);
}

void WorkLock::count(const QString &text)
{
    m_progress.count(text);
}

void WorkLock::hide()
{
    m_progress.hide();
}

void WorkLock::keepAlive()
{
    m_progress.keepAlive();
}

bool WorkLock::cancelled() const
{
    return m_progress.cancelled();
}

template <typename F> auto WorkLock::withNormalCursor(F &&show)
{
    if (!m_locked)
        return show();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    struct Restore
    {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    return show();
}

void WorkLock::warn(const QString &title, const QString &text)
{
    withNormalCursor([&] { m_ui.warn(title, text); });
}

void WorkLock::error(const QString &title, const QString &text)
{
    withNormalCursor([&] { m_ui.error(title, text); });
}

void WorkLock::info(const QString &title, const QString &text)
{
    withNormalCursor([&] { m_ui.info(title, text); });
}

bool WorkLock::ask(const QString &title, const QString &text)
{
    return withNormalCursor([&] { return m_ui.ask(title, text); });
}
