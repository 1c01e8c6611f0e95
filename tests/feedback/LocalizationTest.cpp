#include "feedback/Localization.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(AppLanguage)

namespace {
constexpr int keyCount = static_cast<int>(lastLocalizedKey) + 1;

QList<AppLanguage> allLanguages()
{
    QList<AppLanguage> languages;
    for (int i = 0; i < AppLanguages::count; ++i)
        languages << static_cast<AppLanguage>(i);
    return languages;
}
} // namespace

class LocalizationTest : public QObject
{
    Q_OBJECT

private slots:
    void detectsTheInterfaceLanguageFromTheFirstPreference_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<AppLanguage>("expected");
        using enum AppLanguage;
        QTest::newRow("zh-Hans-CN") << QStringList{"zh-Hans-CN", "en-US"} << simplifiedChinese;
        QTest::newRow("zh-Hans-HK: script before region") << QStringList{"zh-Hans-HK"} << simplifiedChinese;
        QTest::newRow("zh-SG") << QStringList{"zh-SG"} << simplifiedChinese;
        QTest::newRow("zh-CN") << QStringList{"zh-CN"} << simplifiedChinese;
        QTest::newRow("zh-Hant-TW") << QStringList{"zh-Hant-TW"} << traditionalChinese;
        QTest::newRow("zh-HK") << QStringList{"zh-HK"} << traditionalChinese;
        QTest::newRow("zh-MO") << QStringList{"zh-MO"} << traditionalChinese;
        QTest::newRow("upper-case ZH-TW") << QStringList{"ZH-TW"} << traditionalChinese;
        QTest::newRow("bare zh") << QStringList{"zh", "zh-Hans"} << english;
        QTest::newRow("JA") << QStringList{"JA"} << japanese;
        QTest::newRow("ko-KR") << QStringList{"ko-KR"} << korean;
        QTest::newRow("fr-CA") << QStringList{"fr-CA"} << french;
        QTest::newRow("de-CH") << QStringList{"de-CH"} << german;
        QTest::newRow("es-419") << QStringList{"es-419"} << spanish;
        QTest::newRow("pt-BR") << QStringList{"pt-BR"} << portuguese;
        QTest::newRow("pt-PT") << QStringList{"pt-PT"} << portuguese;
        QTest::newRow("it-IT first, fr-FR second") << QStringList{"it-IT", "fr-FR"} << english;
        QTest::newRow("tr-TR") << QStringList{"tr-TR"} << english;
        QTest::newRow("empty") << QStringList{} << english;
    }

    void detectsTheInterfaceLanguageFromTheFirstPreference()
    {
        QFETCH(QStringList, preferred);
        QFETCH(AppLanguage, expected);
        QCOMPARE(AppLanguages::fromPreferredLanguages(preferred), expected);
    }

    void fallsBackToEnglishOnlyAndNeverAcrossChineseScripts()
    {
        using enum LocalizedKey;
        using enum AppLanguage;
        QCOMPARE(L::text(screenshotCopied, german),
                 QStringLiteral("Screenshot copied, ready for AI chat or Terminal"));
        QCOMPARE(L::text(ok, japanese), QStringLiteral("OK"));
        QCOMPARE(L::text(ok, korean), QStringLiteral("확인"));
        QCOMPARE(L::text(ok, traditionalChinese), QStringLiteral("好"));
        QCOMPARE(L::text(control, simplifiedChinese), QStringLiteral("Control"));
        QCOMPARE(L::text(ready, german), QStringLiteral("Bereit"));
        QCOMPARE(L::text(textCopied, traditionalChinese), QStringLiteral("已複製到剪貼簿"));
        QCOMPARE(L::text(captureScreenshot, simplifiedChinese), QStringLiteral("截图复制图片，可粘贴到终端"));
        QCOMPARE(L::text(captureScreenshot, japanese), QStringLiteral("Capture Screenshot for Terminal"));
    }

    void modifierWordsAreEnglishInEveryLanguage()
    {
        for (AppLanguage language : allLanguages()) {
            QCOMPARE(L::text(LocalizedKey::control, language), QStringLiteral("Control"));
            QCOMPARE(L::text(LocalizedKey::option, language), QStringLiteral("Option"));
            QCOMPARE(L::text(LocalizedKey::shift, language), QStringLiteral("Shift"));
            QCOMPARE(L::text(LocalizedKey::command, language), QStringLiteral("Command"));
        }
    }

    void everyTextKeepsTheEnglishPlaceholders()
    {
        // A translation that lost or changed its placeholder would show a raw "%@" or no value.
        static const QRegularExpression placeholder(QStringLiteral("%[@d]"));
        for (int key = 0; key < keyCount; ++key) {
            const QString english = L::text(LocalizedKey(key), AppLanguage::english);
            QVERIFY(!english.isEmpty());
            QStringList expected;
            for (const auto &match : placeholder.globalMatch(english))
                expected << match.captured();
            QVERIFY2(expected.size() <= 1, qPrintable(english));
            for (AppLanguage language : allLanguages()) {
                const QString text = L::text(LocalizedKey(key), language);
                QStringList found;
                for (const auto &match : placeholder.globalMatch(text))
                    found << match.captured();
                QVERIFY2(found == expected, qPrintable(text));
            }
        }
    }

    void multiLineTextsHaveTheirShape()
    {
        for (AppLanguage language : allLanguages()) {
            const QStringList steps = L::text(LocalizedKey::helpSteps, language).split('\n');
            QCOMPARE(steps.size(), 3);
            QVERIFY(steps[0].startsWith("1. ") && steps[1].startsWith("2. ") && steps[2].startsWith("3. "));
            QCOMPARE(L::text(LocalizedKey::screenRecordingPermissionMessage, language).count("\n\n"), 1);
        }
        QCOMPARE(L::text(LocalizedKey::helpSteps, AppLanguage::english).split('\n')[1],
                 QStringLiteral("2. Use %@ to copy text, or Control + Command + 1 to copy a screenshot."));
    }

    void formattingFillsThePlaceholder()
    {
        QCOMPARE(L::format(L::text(LocalizedKey::textShortcutStatus, AppLanguage::french),
                           QStringLiteral("Control + Command + 2")),
                 QStringLiteral("Raccourci texte : Control + Command + 2"));
        QCOMPARE(L::format(L::text(LocalizedKey::copiedCharacterCount, AppLanguage::english), 12),
                 QStringLiteral("Copied 12 characters"));
        QCOMPARE(L::text(LocalizedKey::copiedCharacterCount, AppLanguage::japanese),
                 QStringLiteral("%d 文字をコピーしました"));
    }
};

QTEST_GUILESS_MAIN(LocalizationTest)
#include "LocalizationTest.moc"
