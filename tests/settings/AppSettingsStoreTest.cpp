#include "settings/AppSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString key = QStringLiteral("tessarin.app-settings");

QByteArray document(const QString &keyName, bool command, bool control, bool option, bool shift,
                    const QString &mode, const QString &extra = {})
{
    return QStringLiteral(R"({"hotKey":{"key":"%1","command":%2,"control":%3,"option":%4,)"
                          R"("shift":%5},"preferredLanguageMode":"%6"%7})")
        .arg(keyName, command ? "true" : "false", control ? "true" : "false",
             option ? "true" : "false", shift ? "true" : "false", mode, extra)
        .toUtf8();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

AppSettings defaults()
{
    return AppSettings{};
}
} // namespace

class AppSettingsStoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;

    void store(const QVariant &value)
    {
        QSettings settings(m_file, QSettings::IniFormat);
        settings.setValue(key, value);
    }

    QVariant stored() const { return QSettings(m_file, QSettings::IniFormat).value(key); }
    AppSettingsStore subject() const { return AppSettingsStore(key, m_file); }

private slots:
    void init()
    {
        static int counter = 0;
        m_file = m_dir.filePath(QStringLiteral("Tessarin-%1.conf").arg(++counter));
    }

    void nothingStoredGivesDefaultsAndWritesNothing()
    {
        const AppSettings loaded = subject().load();
        QCOMPARE(loaded.hotKey, HotKey::defaultTextCapture());
        QCOMPARE(loaded.hotKey.displayString(), QStringLiteral("Ctrl+Super+2"));
        QCOMPARE(loaded.preferredLanguageMode, PreferredLanguageMode::automatic);
        QVERIFY(!QFile::exists(m_file));
    }

    void savedRecordsReadBackEqual()
    {
        const AppSettings custom{HotKey{HotKeyKey::seven, false, true, true, true}, PreferredLanguageMode::prioritizeCJK};
        for (const AppSettings &record : {defaults(), custom}) {
            subject().save(record);
            QCOMPARE(subject().load(), record);
        }
    }

    void savedDocumentIsCompactJsonWithAllMembers()
    {
        subject().save(defaults());
        const QByteArray bytes = stored().toByteArray();
        QVERIFY(!bytes.contains('\n') && !bytes.contains(": "));
        const QJsonObject object = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(object.keys(), QStringList({"hotKey", "preferredLanguageMode"}));
        QCOMPARE(object.value("preferredLanguageMode").toString(), QStringLiteral("automatic"));
        const QJsonObject hotKey = object.value("hotKey").toObject();
        QCOMPARE(hotKey.value("key").toString(), QStringLiteral("two"));
        QCOMPARE(hotKey.keys(),
                 QStringList({"command", "control", "key", "option", "shift"}));
    }

    void validDocumentsAreReadAsStored_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("display");
        QTest::addColumn<PreferredLanguageMode>("mode");
        QTest::newRow("cjk mode") << document("two", true, true, false, false, "prioritizeCJK")
                                  << "Ctrl+Super+2" << PreferredLanguageMode::prioritizeCJK;
        QTest::newRow("cmd shift option 2")
            << document("two", true, false, true, true, "automatic") << "Alt+Shift+Super+2"
            << PreferredLanguageMode::automatic;
        QTest::newRow("unknown members")
            << document("nine", false, true, false, false, "prioritizeLatin",
                        R"(,"theme":"dark","version":7,"hotKey2":{})")
            << "Ctrl+9" << PreferredLanguageMode::prioritizeLatin;
        QTest::newRow("an earlier version's autoCopyEnabled")
            << document("four", true, false, false, false, "prioritizeLatin", R"(,"autoCopyEnabled":false)")
            << "Super+4" << PreferredLanguageMode::prioritizeLatin;
    }

    void validDocumentsAreReadAsStored()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, display);
        QFETCH(PreferredLanguageMode, mode);
        store(bytes);
        const AppSettings loaded = subject().load();
        QCOMPARE(loaded.hotKey.displayString(), display);
        QCOMPARE(loaded.preferredLanguageMode, mode);
    }

    void retiredShortcutIsCorrectedButNotWrittenBack()
    {
        const QByteArray bytes = document("two", true, false, false, true, "prioritizeLatin");
        store(bytes);
        const AppSettings loaded = subject().load();
        QCOMPARE(loaded.hotKey, HotKey::defaultTextCapture());
        QCOMPARE(loaded.preferredLanguageMode, PreferredLanguageMode::prioritizeLatin);
        QCOMPARE(stored().toByteArray(), bytes);
    }

    void unreadableValuesGiveTheWholeDefaultRecordAndStayUntouched_data()
    {
        QTest::addColumn<QVariant>("value");
        QByteArray noShift = document("five", true, true, false, false, "prioritizeLatin");
        noShift.replace(",\"shift\":false", "");
        QByteArray stringFlag = document("five", true, true, false, false, "prioritizeLatin");
        stringFlag.replace("\"command\":true", "\"command\":\"true\"");
        QByteArray binary(4096, Qt::Uninitialized);
        for (char &byte : binary)
            byte = static_cast<char>(QRandomGenerator::global()->generate());
        QByteArray huge(4 * 1024 * 1024, '[');

        // A global shortcut without Control, Super or Alt would take a key from every program.
        QTest::newRow("no modifier") << QVariant(document("seven", false, false, false, false, "automatic"));
        QTest::newRow("missing shift") << QVariant(noShift);
        QTest::newRow("capitalised key") << QVariant(document("Five", true, true, false, false, "automatic"));
        QTest::newRow("mode differs in case")
            << QVariant(document("five", true, true, false, false, "PrioritizeLatin"));
        QTest::newRow("flag as string") << QVariant(stringFlag);
        QTest::newRow("hotKey as array")
            << QVariant(QByteArray(R"({"hotKey":[],"preferredLanguageMode":"automatic"})"));
        QTest::newRow("top-level array") << QVariant(QByteArray("[1,2,3]"));
        QTest::newRow("not json") << QVariant(QByteArray("hotKey=two"));
        QTest::newRow("binary") << QVariant(binary);
        QTest::newRow("huge") << QVariant(huge);
        QTest::newRow("string, not data")
            << QVariant(QString::fromUtf8(document("five", true, true, false, false, "prioritizeLatin")));
        QTest::newRow("number") << QVariant(42);
    }

    void unreadableValuesGiveTheWholeDefaultRecordAndStayUntouched()
    {
        QFETCH(QVariant, value);
        store(value);
        const QByteArray file = contents(m_file);
        AppSettingsStore store = subject();
        QCOMPARE(store.load(), defaults());
        QCOMPARE(contents(m_file), file);
        // Kept beside it before anything can overwrite it.
        QCOMPARE(contents(store.keptUnreadableFile()), file);
    }

    void garbageConfigurationFileGivesDefaultsAndIsNotRewritten()
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray garbage(64 * 1024, '\0');
        for (char &byte : garbage)
            byte = static_cast<char>(QRandomGenerator::global()->generate());
        file.write(garbage);
        file.close();

        AppSettingsStore store = subject();
        QCOMPARE(store.load(), defaults());
        QCOMPARE(contents(m_file), garbage);
        const QString kept = store.keptUnreadableFile();
        QVERIFY2(QRegularExpression("/Tessarin-\\d+\\.conf\\.unreadable-\\d{8}-\\d{6}$").match(kept).hasMatch(),
                 qPrintable(kept));
        QCOMPARE(contents(kept), garbage);
        QCOMPARE(QFileInfo(kept).permissions() & 0x0077, QFileDevice::Permissions());

        // Writing replaces the garbage; the copy stays. The same garbage again is not copied again.
        QVERIFY(store.setFlag("tessarin.has-shown-menu-bar-onboarding", true));
        QCOMPARE(contents(kept), garbage);
        QVERIFY(contents(m_file) != garbage);
        QFile again(m_file);
        QVERIFY(again.open(QIODevice::WriteOnly | QIODevice::Truncate));
        again.write(garbage);
        again.close();
        QCOMPARE(store.load(), defaults());
        QCOMPARE(store.keptUnreadableFile(), QString());
        QCOMPARE(QDir(m_dir.path()).entryList({QFileInfo(m_file).fileName() + ".unreadable-*"}).size(), 1);
    }

    void unreachableConfigurationFolderIsSilent()
    {
        // A path through a regular file can be neither read nor written, even by root.
        QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AppSettingsStore store(key, blocker.fileName() + QStringLiteral("/Tessarin.conf"));
        QCOMPARE(store.load(), defaults());
        QVERIFY(!store.save(AppSettings{HotKey{HotKeyKey::three, true, false, false, false},
                                        PreferredLanguageMode::prioritizeCJK}));
        QVERIFY(!store.setFlag("tessarin.has-shown-menu-bar-onboarding", true));
        QCOMPARE(store.load(), defaults());
    }
};

QTEST_GUILESS_MAIN(AppSettingsStoreTest)
#include "AppSettingsStoreTest.moc"
