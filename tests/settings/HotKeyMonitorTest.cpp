// The monitor's bookkeeping against a scripted shortcut service, for refusals the real
// X server gives only when another program holds a key.
#include "platform/GlobalShortcutService.h"
#include "settings/HotKeyMonitor.h"

#include <QTest>

#include <map>
#include <set>

namespace {
class ScriptedShortcuts : public GlobalShortcutService
{
public:
    std::set<std::pair<std::uint32_t, std::uint32_t>> taken; // (keyCode, mask) other programs hold
    std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>> active; // id -> (keyCode, mask)
    std::uint32_t lastSignature = 0;

    std::int32_t registerShortcut(std::uint32_t signature, std::uint32_t id, std::uint32_t keyCode,
                                  std::uint32_t mask) override
    {
        lastSignature = signature;
        for (const auto &[otherId, shortcut] : active) {
            if (shortcut == std::pair(keyCode, mask))
                return 10;
        }
        if (taken.contains({keyCode, mask}))
            return 10;
        active[id] = {keyCode, mask};
        return 0;
    }
    void unregisterShortcut(std::uint32_t, std::uint32_t id) override { active.erase(id); }
    void press(std::uint32_t id) { onPressed(lastSignature, id); }
};

const HotKey textKey{HotKeyKey::two, true, true, false, false};
const HotKey imageKey{HotKeyKey::one, true, true, false, false};
} // namespace

class HotKeyMonitorTest : public QObject
{
    Q_OBJECT

private slots:
    void registeringReplacesTheWholeSet()
    {
        auto service = std::make_unique<ScriptedShortcuts>();
        ScriptedShortcuts &shortcuts = *service;
        HotKeyMonitor monitor(std::move(service));
        int text = 0, image = 0;
        const std::vector<HotKeyMonitor::Registration> both{{2, imageKey, [&] { ++image; }}, {1, textKey, [&] { ++text; }}};
        QVERIFY(monitor.registerHotKeys(both).empty());
        QVERIFY(monitor.registerHotKeys(both).empty());
        QCOMPARE(shortcuts.active.size(), size_t(2));

        shortcuts.press(1);
        shortcuts.press(2);
        shortcuts.press(7);
        QCOMPARE(text, 1);
        QCOMPARE(image, 1);

        QVERIFY(monitor.registerHotKeys({}).empty());
        QVERIFY(shortcuts.active.empty());
        shortcuts.press(1);
        QCOMPARE(text, 1);
    }

    void refusalsAreReportedInOrderAndTheRestStillRegister()
    {
        auto service = std::make_unique<ScriptedShortcuts>();
        ScriptedShortcuts &shortcuts = *service;
        shortcuts.taken.insert({18, 0x1100});
        HotKeyMonitor monitor(std::move(service));
        int text = 0;
        // The text shortcut set to the screenshot's keys is the one refused, after it.
        const auto failures = monitor.registerHotKeys(
            {{2, imageKey, [] {}}, {1, textKey, [&] { ++text; }}, {3, textKey, [] {}}});
        QCOMPARE(failures.size(), size_t(2));
        QCOMPARE(failures[0], (HotKeyMonitor::RegistrationFailure{2, imageKey, 10}));
        QCOMPARE(failures[1].id, 3u);
        QVERIFY(monitor.isRegistered(1) && !monitor.isRegistered(2) && !monitor.isRegistered(3));
        shortcuts.press(1);
        QCOMPARE(text, 1);
    }
};

QTEST_GUILESS_MAIN(HotKeyMonitorTest)
#include "HotKeyMonitorTest.moc"
