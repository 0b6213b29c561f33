#include "census/CensusReader.h"

#include "census/LineReader.h"

namespace {
constexpr size_t kBatches = 4;
constexpr size_t kRowsPerBatch = 1024;
} // namespace

CensusReader::CensusReader(const QString &path, qint64 firstOrder)
{
    for (size_t i = 0; i < kBatches; ++i) {
        m_pool.push_back(std::make_unique<CensusBatch>());
        m_pool.back()->rows.resize(kRowsPerBatch);
        m_free.push_back(m_pool.back().get());
    }
    m_thread = std::thread(&CensusReader::work, this, path, firstOrder);
}

CensusReader::~CensusReader()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

CensusBatch *CensusReader::takeFree()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stop || !m_free.empty(); });
    if (m_stop)
        return nullptr;
    CensusBatch *b = m_free.front();
    m_free.pop_front();
    return b;
}

void CensusReader::push(CensusBatch *batch)
{
    {
        std::lock_guard lock(m_mutex);
        m_full.push_back(batch);
    }
    m_changed.notify_all();
}

CensusBatch *CensusReader::next()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_full.empty(); });
    CensusBatch *b = m_full.front();
    m_full.pop_front();
    return b;
}

void CensusReader::recycle(CensusBatch *batch)
{
    {
        std::lock_guard lock(m_mutex);
        m_free.push_back(batch);
    }
    m_changed.notify_all();
}

void CensusReader::work(QString path, qint64 order)
{
    CensusBatch *batch = takeFree();
    if (!batch)
        return;
    auto reset = [](CensusBatch *b) {
        b->used = 0;
        b->badLength = b->failed = b->last = false;
        b->error.clear();
    };
    reset(batch);
    try {
        LineReader reader(path);
        if (!reader.open())
            throw std::runtime_error(reader.errorString().toStdString());
        const char *line = nullptr;
        qsizetype length = 0;
        while (reader.next(line, length)) {
            if (!IsCensusLineLength(length)) {
                batch->badLength = true;
                break;
            }
            batch->rows[size_t(batch->used++)].parse(line, length, order++);
            if (batch->used == qsizetype(batch->rows.size())) {
                push(batch);
                batch = takeFree();
                if (!batch)
                    return;
                reset(batch);
            }
        }
    } catch (const std::exception &e) {
        batch->failed = true;
        batch->error = QString::fromUtf8(e.what());
    }
    batch->last = true;
    push(batch);
}
