#pragma once
// Reads and parses a census file on a worker thread, handing parsed rows to the caller in
// batches, so that parsing the next lines overlaps with storing the previous ones. Reading
// stops at the first line of an unexpected length.

#include "census/CensusRecord.h"

#include <QString>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct CensusBatch
{
    std::vector<CensusRow> rows;
    qsizetype used = 0;
    bool badLength = false; // the line after these rows has an unexpected length
    bool failed = false;    // the file could not be opened or read
    QString error;          // why it failed
    bool last = false;      // nothing follows this batch
};

class CensusReader
{
public:
    // Starts reading `path`; the first accepted line gets load order `firstOrder`.
    CensusReader(const QString &path, qint64 firstOrder);
    ~CensusReader(); // stops the worker
    CensusReader(const CensusReader &) = delete;
    CensusReader &operator=(const CensusReader &) = delete;

    // The next batch, waiting for it; give it back with recycle() when its rows are stored.
    CensusBatch *next();
    void recycle(CensusBatch *batch);

private:
    void work(QString path, qint64 order);
    CensusBatch *takeFree();
    void push(CensusBatch *batch);

    std::vector<std::unique_ptr<CensusBatch>> m_pool;
    std::deque<CensusBatch *> m_free;
    std::deque<CensusBatch *> m_full;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    std::thread m_thread;
};
