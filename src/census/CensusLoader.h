#pragma once
// Loads the census files (CER and, when asked, CERE) into `cinta`: the checks and the question
// before the load, the emptying of the voter and draw tables, one row per accepted line
// numbered in load order across both files, and the station rebuild after the CER file.
// The census page and the `load-census` command both run it; the page disables its controls
// between confirm() and load().

#include <QString>
#include <functional>

class Interaction;
class Progress;
class Store;

struct CensusLoadRequest
{
    QString cerPath; // as typed: double quotes are removed
    QString cerePath;
    bool loadCere = false;
};

struct CensusLoadResult
{
    bool failed = false; // some file failed (length, read or table error)
    qint64 rows = 0;     // lines loaded in this run
    int stations = 0;    // stations after the rebuild
};

class CensusLoader
{
public:
    CensusLoader(Store &store, Interaction &ui, Progress &progress);

    // The checks (date format, files exist) and the question. False when the load must not
    // start; nothing has changed then.
    bool confirm(const CensusLoadRequest &request);
    // The load itself. `beforeFinalMessage` runs when the work is done, before the final
    // message (the page restores its controls there).
    CensusLoadResult load(const CensusLoadRequest &request,
                          const std::function<void()> &beforeFinalMessage = {});
    // confirm() and, when it passes, load().
    CensusLoadResult run(const CensusLoadRequest &request, bool *started = nullptr);

    static QString cleanPath(const QString &path);

private:
    bool loadFile(const QString &path, bool isCer, qint64 &order, qint64 &rows);
    void emptyTables();

    Store &m_store;
    Interaction &m_ui;
    Progress &m_progress;
};
