#include "feedback/Localization.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(AppLanguage)

class LocalizationTest : public QObject
{
    Q_OBJECT

private slots:
    void detectsTheInterfaceLanguageFromTheFirstPreference_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<AppLanguage>("expected");
        using enum AppLanguage;
        QTest::newRow("zh-Hans-HK: script before region") << QStringList{"zh-Hans-HK"} << simplifiedChinese;
        QTest::newRow("upper-case ZH-HK") << QStringList{"ZH-HK"} << traditionalChinese;
        QTest::newRow("bare zh") << QStringList{"zh", "zh-Hans"} << english;
        QTest::newRow("ko_KR") << QStringList{"ko_KR"} << korean;
        QTest::newRow("kok-IN, Konkani") << QStringList{"kok-IN"} << english;
        QTest::newRow("pt-BR") << QStringList{"pt-BR"} << portuguese;
        QTest::newRow("it-IT first, fr-FR second") << QStringList{"it-IT", "fr-FR"} << english;
        QTest::newRow("empty") << QStringList{} << english;
    }

    void detectsTheInterfaceLanguageFromTheFirstPreference()
    {
        QFETCH(QStringList, preferred);
        QFETCH(AppLanguage, expected);
        QCOMPARE(AppLanguages::fromPreferredLanguages(preferred), expected);
    }

    void everyKeyHasItsOwnTextInEveryLanguage()
    {
        // A text missing from a translation file would show English; one whose placeholders differ
        // from the English ones would show a raw "%1" or lose its value.
        static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
        auto placeholders = [](const QString &text) {
            QStringList found;
            for (const auto &match : placeholder.globalMatch(text))
                found << match.captured();
            found.sort();
            return found;
        };
        const QMetaEnum keys = QMetaEnum::fromType<LocalizedKey>();
        QCOMPARE_GT(keys.keyCount(), 50);
        for (int i = 0; i < keys.keyCount(); ++i) {
            const auto key = LocalizedKey(keys.value(i));
            const QStringList expected = placeholders(L::ownText(key, AppLanguage::english));
            for (int l = 0; l < AppLanguages::count; ++l) {
                const auto language = AppLanguage(l);
                const QString text = L::ownText(key, language);
                const QString where = QStringLiteral("%1 in %2").arg(keys.key(i), AppLanguages::locale(language).name());
                QVERIFY2(!text.isEmpty(), qPrintable(where));
                QCOMPARE(L::text(key, language), text);
                QVERIFY2(placeholders(text) == expected, qPrintable(where + ": " + text));
            }
        }
    }

    void everyKeyIsListedWithItsEnglishTextForLupdate()
    {
        // lupdate knows the ids only from that list: a key missing from it would vanish from the
        // translation files at the next update.
        const QMetaEnum keys = QMetaEnum::fromType<LocalizedKey>();
        QStringList enumerated, listed;
        for (int i = 0; i < keys.keyCount(); ++i)
            enumerated << QString::fromLatin1(keys.key(i));
        for (const char *id : LocalizedKeys::ids)
            listed << QString::fromLatin1(id);
        QCOMPARE(listed, enumerated);
    }

    void countsTakeTheLanguagesPluralForm()
    {
        using enum AppLanguage;
        const LocalizedKey copied = LocalizedKey::copiedCharacterCount;
        QCOMPARE(L::count(copied, 1, english), QStringLiteral("Copied 1 character"));
        QCOMPARE(L::count(copied, 0, english), QStringLiteral("Copied 0 characters"));
        // French counts zero as singular.
        QCOMPARE(L::count(copied, 0, french), QStringLiteral("0 caractère copié"));
        QCOMPARE(L::count(copied, 2, french), QStringLiteral("2 caractères copiés"));
    }
};

QTEST_GUILESS_MAIN(LocalizationTest)
#include "LocalizationTest.moc"
