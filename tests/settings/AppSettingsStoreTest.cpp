// The settings record on disk: what older and newer versions wrote is read, what cannot be read
// is kept for the user and never overwritten unseen.
#include "settings/AppSettingsStore.h"
#include "settings/SettingsService.h"

#include "TestFiles.h"

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
} // namespace

class AppSettingsStoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;

    void store(const QVariant &value) { QSettings(m_file, QSettings::IniFormat).setValue(key, value); }
    QVariant stored() const { return QSettings(m_file, QSettings::IniFormat).value(key); }
    AppSettingsStore subject() const { return AppSettingsStore(key, m_file); }

private slots:
    void init()
    {
        static int counter = 0;
        m_file = m_dir.filePath(QStringLiteral("Tessarin-%1.conf").arg(++counter));
    }

    void savedRecordsReadBackEqualInTheStoredForm()
    {
        const AppSettings custom{HotKey{HotKeyKey::seven, false, true, true, true}, PreferredLanguageMode::prioritizeCJK};
        QVERIFY(subject().save(custom));
        QCOMPARE(subject().load(), custom);
        // The exact bytes every version reads: compact JSON, members by name.
        QCOMPARE(stored().toByteArray(),
                 QByteArray(R"({"hotKey":{"command":false,"control":true,"key":"seven","option":true,"shift":true},)"
                            R"("preferredLanguageMode":"prioritizeCJK"})"));
    }

    void otherVersionsMembersAreIgnored()
    {
        // An earlier version's autoCopyEnabled, and members a later one may add.
        store(document("four", true, false, true, true, "prioritizeLatin", R"(,"autoCopyEnabled":false,"theme":"dark","hotKey2":{})"));
        const AppSettings loaded = subject().load();
        QCOMPARE(loaded, (AppSettings{HotKey{HotKeyKey::four, true, false, true, true}, PreferredLanguageMode::prioritizeLatin}));
        QCOMPARE(loaded.hotKey.displayString(), QStringLiteral("Alt+Shift+Super+4"));
    }

    void shortcutsThatCannotWorkAreCorrectedButNotWrittenBack()
    {
        // The retired Shift+Super+2, and the screenshot's own Ctrl+Super+1 (written by hand).
        for (const QByteArray &bytes : {document("two", true, false, false, true, "prioritizeLatin"),
                                        document("one", true, true, false, false, "prioritizeLatin")}) {
            store(bytes);
            const AppSettings loaded = SettingsService(subject()).settings();
            QCOMPARE(loaded.hotKey, HotKey::defaultTextCapture());
            QCOMPARE(loaded.preferredLanguageMode, PreferredLanguageMode::prioritizeLatin);
            QCOMPARE(stored().toByteArray(), bytes);
        }
    }

    void unreadableValuesGiveTheWholeDefaultRecordAndStayUntouched_data()
    {
        QTest::addColumn<QVariant>("value");
        QByteArray noShift = document("five", true, true, false, false, "prioritizeLatin");
        noShift.replace(",\"shift\":false", "");
        QByteArray stringFlag = document("five", true, true, false, false, "prioritizeLatin");
        stringFlag.replace("\"command\":true", "\"command\":\"true\"");

        // A global shortcut without Control, Super or Alt would take a key from every program.
        QTest::newRow("no modifier") << QVariant(document("seven", false, false, false, false, "automatic"));
        QTest::newRow("missing shift") << QVariant(noShift);
        QTest::newRow("capitalised key") << QVariant(document("Five", true, true, false, false, "automatic"));
        QTest::newRow("flag as string") << QVariant(stringFlag);
        QTest::newRow("hotKey as array")
            << QVariant(QByteArray(R"({"hotKey":[],"preferredLanguageMode":"automatic"})"));
        QTest::newRow("top-level array") << QVariant(QByteArray("[1,2,3]"));
        QTest::newRow("not json") << QVariant(QByteArray("hotKey=two"));
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
        QCOMPARE(store.load(), AppSettings{});
        QCOMPARE(contents(m_file), file);
        // Kept beside it before anything can overwrite it.
        QCOMPARE(contents(store.keptUnreadableFile()), file);
    }

    void unreachableConfigurationFolderSaysSavingFailed()
    {
        // A path through a regular file can be neither read nor written, even by root.
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("not-a-folder")), {}));
        AppSettingsStore store(key, m_dir.filePath(QStringLiteral("not-a-folder/Tessarin.conf")));
        QCOMPARE(store.load(), AppSettings{});
        QVERIFY(!store.save(AppSettings{HotKey{HotKeyKey::three, true, false, false, false},
                                        PreferredLanguageMode::prioritizeCJK}));
        QVERIFY(!store.setFlag("tessarin.has-shown-menu-bar-onboarding", true));
        QCOMPARE(store.load(), AppSettings{});
    }
};

QTEST_GUILESS_MAIN(AppSettingsStoreTest)
#include "AppSettingsStoreTest.moc"
