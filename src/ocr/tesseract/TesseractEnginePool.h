#pragma once

#include <QMutex>
#include <QString>

#include <list>
#include <memory>
#include <vector>

namespace tesseract {
class TessBaseAPI;
}

// Initialised Tesseract engines, one model each, kept for reuse: initialising costs far more
// than recognising a screen region. Engines are lent out to one thread at a time.
class TesseractEnginePool
{
public:
    // A model: "eng", "chi_sim", or "osd" for script detection.
    using Key = QString;

    class Lease
    {
    public:
        Lease(TesseractEnginePool &pool, Key key, std::unique_ptr<tesseract::TessBaseAPI> engine);
        Lease(Lease &&) = default;
        ~Lease();
        tesseract::TessBaseAPI *operator->() const { return m_engine.get(); }
        tesseract::TessBaseAPI *get() const { return m_engine.get(); }

    private:
        TesseractEnginePool *m_pool;
        Key m_key;
        std::unique_ptr<tesseract::TessBaseAPI> m_engine;
    };

    // At most maximumIdle engines are kept, one per model; the least recently used go first.
    explicit TesseractEnginePool(QString tessdataPath, int maximumIdle = 3);
    ~TesseractEnginePool();

    const QString &tessdataPath() const { return m_tessdataPath; }
    QStringList installedModels() const;

    // Throws TextRecognitionError when the model cannot be loaded.
    Lease acquire(const Key &key);

    // Frees all but the keep most recently used idle engines and gives their memory back to
    // the system; true when something was freed.
    bool trim(int keep);

private:
    std::unique_ptr<tesseract::TessBaseAPI> create(const Key &key) const;
    void release(const Key &key, std::unique_ptr<tesseract::TessBaseAPI> engine);
    static void forgetUnusedDictionaries();

    struct Idle {
        Key key;
        std::unique_ptr<tesseract::TessBaseAPI> engine;
    };

    const QString m_tessdataPath;
    const int m_maximumIdle;
    QMutex m_mutex;
    std::list<Idle> m_idle; // most recently used first
};
