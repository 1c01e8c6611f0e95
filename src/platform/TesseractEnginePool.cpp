#include "platform/TesseractEnginePool.h"

#include "ocr/TextRecognitionEngine.h"

#include <QDir>
#include <QMutexLocker>

#include <tesseract/baseapi.h>

#include <algorithm>
#include <tuple>

bool TesseractEnginePool::Key::operator<(const Key &other) const
{
    return std::tie(model, dictionaries) < std::tie(other.model, other.dictionaries);
}

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
        const auto found = std::find_if(m_idle.begin(), m_idle.end(), [&](const Idle &idle) {
            return !(idle.key < key) && !(key < idle.key);
        });
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
    std::unique_ptr<tesseract::TessBaseAPI> evicted;
    QMutexLocker lock(&m_mutex);
    m_idle.push_front({key, std::move(engine)});
    if (int(m_idle.size()) > m_maximumIdle) {
        evicted = std::move(m_idle.back().engine);
        m_idle.pop_back();
    }
}

std::unique_ptr<tesseract::TessBaseAPI> TesseractEnginePool::create(const Key &key) const
{
    // Tesseract writes diagnostics to stderr unless told otherwise; the program logs nothing.
    std::vector<std::string> names{"debug_file"};
    std::vector<std::string> values{"/dev/null"};
    if (!key.dictionaries) {
        for (const char *dawg : {"load_system_dawg", "load_freq_dawg", "load_unambig_dawg", "load_punc_dawg",
                                 "load_number_dawg", "load_bigram_dawg"}) {
            names.emplace_back(dawg);
            values.emplace_back("0");
        }
    }
    const bool scriptDetection = key.model == QLatin1String("osd");
    auto engine = std::make_unique<tesseract::TessBaseAPI>();
    const QByteArray path = m_tessdataPath.toLocal8Bit();
    const QByteArray model = key.model.toLatin1();
    const int status = engine->Init(path.constData(), model.constData(),
                                    scriptDetection ? tesseract::OEM_TESSERACT_ONLY : tesseract::OEM_LSTM_ONLY,
                                    nullptr, 0, &names, &values, false);
    if (status != 0)
        throw TextRecognitionError("Tesseract could not load the model " + model.toStdString());
    engine->SetVariable("preserve_interword_spaces", "1");
    return engine;
}
