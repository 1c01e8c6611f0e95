#include "ocr/tesseract/TesseractEnginePool.h"

#include "ocr/TextRecognitionEngine.h"

#include <QDir>
#include <QMutexLocker>

#include <tesseract/baseapi.h>

#include <algorithm>

#include <malloc.h>

TesseractEnginePool::Lease::Lease(TesseractEnginePool &pool, Key key,
                                  std::unique_ptr<tesseract::TessBaseAPI> engine)
    : m_pool(&pool)
    , m_key(std::move(key))
    , m_engine(std::move(engine))
{
}

TesseractEnginePool::Lease::~Lease()
{
    if (m_engine) {
        m_engine->Clear();
        m_pool->release(m_key, std::move(m_engine));
    }
}

TesseractEnginePool::TesseractEnginePool(QString tessdataPath, int maximumIdle)
    : m_tessdataPath(std::move(tessdataPath))
    , m_maximumIdle(maximumIdle)
{
}

TesseractEnginePool::~TesseractEnginePool() = default;

QStringList TesseractEnginePool::installedModels() const
{
    QStringList models;
    const QStringList files = QDir(m_tessdataPath).entryList({QStringLiteral("*.traineddata")}, QDir::Files);
    for (const QString &file : files)
        models << file.chopped(qsizetype(qstrlen(".traineddata")));
    return models;
}

TesseractEnginePool::Lease TesseractEnginePool::acquire(const Key &key)
{
    {
        QMutexLocker lock(&m_mutex);
        const auto found = std::find_if(m_idle.begin(), m_idle.end(), [&](const Idle &idle) { return idle.key == key; });
        if (found != m_idle.end()) {
            std::unique_ptr<tesseract::TessBaseAPI> engine = std::move(found->engine);
            m_idle.erase(found);
            return Lease(*this, key, std::move(engine));
        }
    }
    return Lease(*this, key, create(key));
}

void TesseractEnginePool::release(const Key &key, std::unique_ptr<tesseract::TessBaseAPI> engine)
{
    // Freed outside the lock: deleting an engine takes a while.
    std::list<Idle> evicted;
    QMutexLocker lock(&m_mutex);
    // A second engine of a model serves only a large capture's second thread; it is not kept.
    const auto same = std::find_if(m_idle.begin(), m_idle.end(), [&](const Idle &idle) { return idle.key == key; });
    if (same != m_idle.end())
        evicted.splice(evicted.end(), m_idle, same);
    m_idle.push_front({key, std::move(engine)});
    while (int(m_idle.size()) > m_maximumIdle)
        evicted.splice(evicted.end(), m_idle, std::prev(m_idle.end()));
    lock.unlock();
    if (!evicted.empty()) {
        evicted.clear();
        forgetUnusedDictionaries();
    }
}

void TesseractEnginePool::forgetUnusedDictionaries()
{
    // Tesseract keeps every model's dictionaries in a process-wide cache that outlives the
    // engines that loaded them.
    tesseract::TessBaseAPI::ClearPersistentCache();
}

bool TesseractEnginePool::trim(int keep)
{
    std::list<Idle> evicted;
    {
        QMutexLocker lock(&m_mutex);
        while (int(m_idle.size()) > keep)
            evicted.splice(evicted.end(), m_idle, std::prev(m_idle.end()));
    }
    if (evicted.empty())
        return false;
    evicted.clear();
    forgetUnusedDictionaries();
    // The models' memory goes back to the system, not only to the allocator.
    malloc_trim(0);
    return true;
}

std::unique_ptr<tesseract::TessBaseAPI> TesseractEnginePool::create(const Key &key) const
{
    // Tesseract writes diagnostics to stderr unless told otherwise; the program logs nothing.
    std::vector<std::string> names{"debug_file"};
    std::vector<std::string> values{"/dev/null"};
    const bool scriptDetection = key == QLatin1String("osd");
    auto engine = std::make_unique<tesseract::TessBaseAPI>();
    const QByteArray path = m_tessdataPath.toLocal8Bit();
    const QByteArray model = key.toLatin1();
    const int status = engine->Init(path.constData(), model.constData(),
                                    scriptDetection ? tesseract::OEM_TESSERACT_ONLY : tesseract::OEM_LSTM_ONLY,
                                    nullptr, 0, &names, &values, false);
    if (status != 0)
        throw TextRecognitionError("Tesseract could not load the model " + model.toStdString());
    engine->SetVariable("preserve_interword_spaces", "1");
    // The prepared image is dark text on white, dark panels already turned: Tesseract's second
    // reading of an unsure line inverted finds nothing more and made reading lines a fifth slower.
    engine->SetVariable("tessedit_do_invert", "0");
    return engine;
}
