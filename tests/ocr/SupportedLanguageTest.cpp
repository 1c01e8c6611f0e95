#include "ocr/SupportedLanguage.h"

#include <QTest>

class SupportedLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void automaticOrderLooksAtTheFirstPreferenceOnly_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<bool>("cjkFirst");
        QTest::newRow("empty") << QStringList{} << false;
        QTest::newRow("ZH-HANS upper case") << QStringList{"ZH-HANS"} << true;
        QTest::newRow("zh-Hant-TW") << QStringList{"zh-Hant-TW"} << true;
        QTest::newRow("bare zh") << QStringList{"zh"} << true;
        QTest::newRow("ja-JP") << QStringList{"ja-JP"} << true;
        QTest::newRow("ko-KR") << QStringList{"ko-KR"} << true;
        QTest::newRow("kok-IN, Konkani") << QStringList{"kok-IN"} << false;
        QTest::newRow("ko_KR") << QStringList{"ko_KR"} << true;
        QTest::newRow("jv") << QStringList{"jv"} << false;
        QTest::newRow("yue-Hant-HK") << QStringList{"yue-Hant-HK"} << false;
        QTest::newRow("en-US then ja-JP") << QStringList{"en-US", "ja-JP"} << false;
    }

    void automaticOrderLooksAtTheFirstPreferenceOnly()
    {
        QFETCH(QStringList, preferred);
        QFETCH(bool, cjkFirst);
        const auto &expected = cjkFirst ? SupportedLanguages::cjkFirst() : SupportedLanguages::latinFirst();
        QCOMPARE(SupportedLanguages::automaticOrder(preferred), expected);
        QCOMPARE(SupportedLanguages::visionLanguageHints(PreferredLanguageMode::automatic, preferred).first(),
                 cjkFirst ? QStringLiteral("zh-Hans") : QStringLiteral("en-US"));
    }

    void rawValuesMatchExactly()
    {
        QCOMPARE(SupportedLanguages::fromRawValue("zh-Hans"), std::optional(SupportedLanguage::simplifiedChinese));
        QCOMPARE(SupportedLanguages::fromRawValue("en-us"), std::nullopt);
        QCOMPARE(SupportedLanguages::fromRawValue("tr-TR"), std::optional(SupportedLanguage::turkish));
        for (SupportedLanguage language : SupportedLanguages::allCases())
            QCOMPARE(SupportedLanguages::fromRawValue(SupportedLanguages::toRawValue(language)), std::optional(language));
    }
};

QTEST_GUILESS_MAIN(SupportedLanguageTest)
#include "SupportedLanguageTest.moc"
