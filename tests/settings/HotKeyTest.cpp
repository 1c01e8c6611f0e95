#include "common/EnumNames.h"
#include "settings/HotKey.h"

#include <QJsonDocument>
#include <QTest>

class HotKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void displayStringNamesModifiersAsLinuxDesktopsDo()
    {
        // Every one of the sixteen flag combinations, against an independently built text.
        for (int flags = 0; flags < 16; ++flags) {
            const HotKey hotKey{HotKeyKey::five, bool(flags & 8), bool(flags & 1), bool(flags & 2),
                                bool(flags & 4)};
            QStringList expected;
            if (flags & 1)
                expected << "Ctrl";
            if (flags & 2)
                expected << "Alt";
            if (flags & 4)
                expected << "Shift";
            if (flags & 8)
                expected << "Super";
            expected << "5";
            QCOMPARE(hotKey.displayString(), expected.join("+"));
        }
    }

    void keysAreStoredByNameAndFoundBackByKeyCode()
    {
        for (HotKeyKey key : EnumNames::values<HotKeyKey>()) {
            QCOMPARE(EnumNames::fromName<HotKeyKey>(EnumNames::name(key)), std::optional(key));
            QCOMPARE(HotKeyKeys::fromKeyCode(HotKeyKeys::keyCode(key)), std::optional(key));
        }
        QCOMPARE(EnumNames::name(HotKeyKey::two), QStringLiteral("two"));
        QCOMPARE(EnumNames::fromName<HotKeyKey>("Two"), std::nullopt);
        QCOMPARE(EnumNames::fromName<HotKeyKey>("HotKeyKey::two"), std::nullopt);
        QCOMPARE(EnumNames::fromName<HotKeyKey>(QStringLiteral("two\u0000")), std::nullopt);
        QCOMPARE(HotKeyKeys::fromKeyCode(24), std::nullopt);
    }

    void retiredShortcutIsExactlyCommandShiftTwo()
    {
        QVERIFY((HotKey{HotKeyKey::two, true, false, false, true}.isRetiredTextShortcut()));
        QVERIFY(!(HotKey{HotKeyKey::two, true, true, false, true}.isRetiredTextShortcut()));
        QVERIFY(!(HotKey{HotKeyKey::two, true, false, true, true}.isRetiredTextShortcut()));
        QVERIFY(!(HotKey{HotKeyKey::three, true, false, false, true}.isRetiredTextShortcut()));
    }

    void jsonFormRoundTripsAndRejectsUnknownKeys()
    {
        const HotKey original{HotKeyKey::six, false, true, true, false};
        QCOMPARE(HotKey::fromJson(original.toJson()), std::optional(original));

        QJsonObject bad = original.toJson();
        bad["key"] = "eleven";
        QCOMPARE(HotKey::fromJson(bad), std::nullopt);
        bad = original.toJson();
        bad.remove("option");
        QCOMPARE(HotKey::fromJson(bad), std::nullopt);
        bad = original.toJson();
        bad["shift"] = 0;
        QCOMPARE(HotKey::fromJson(bad), std::nullopt);
        QCOMPARE(HotKey::fromJson(QJsonValue("two")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(HotKeyTest)
#include "HotKeyTest.moc"
