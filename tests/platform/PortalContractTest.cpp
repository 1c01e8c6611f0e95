// The portal clients against a scriptable fake xdg-desktop-portal on a private bus: the request
// handshake, refusals, the cutting of the desktop picture into screens, the shortcut session
// (with KDE Plasma's quirk) and the program's D-Bus actions; forgetting a screenshot refusal in the
// real permission store. Real portals are met in the sway test.
#include "platform/ApplicationActionService.h"
#include "platform/wayland/PortalGlobalShortcutService.h"
#include "platform/wayland/PortalRequest.h"
#include "platform/wayland/PortalScreenGrabber.h"
#include "settings/HotKeyMonitor.h"

#include <QDBusConnectionInterface>
#include <QDBusArgument>
#include <QDBusInterface>
#include <QDBusReply>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestImages.h"

namespace {
const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
const HotKey textKey{HotKeyKey::two, true, true, false, false};
const HotKey imageKey{HotKeyKey::one, true, true, false, false};

// The test has a session bus of its own, where nothing real is ever activated (see
// tests/CMakeLists.txt).
QDBusConnection bus()
{
    return QDBusConnection::sessionBus();
}

// The fake portal on that bus, for as long as it lives.
class FakePortal
{
public:
    FakePortal()
    {
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                                                          QStringLiteral(TESTS_DIR "/platform/portal_mock.py")});
        if (!QTest::qWaitFor([] { return bus().interface()->isServiceRegistered(portal); }))
            qFatal("the fake portal did not start (python3-dbusmock missing?)");
    }
    ~FakePortal()
    {
        m_mock.terminate();
        m_mock.waitForFinished(3000);
        if (!QTest::qWaitFor([] { return !bus().interface()->isServiceRegistered(portal); }))
            qFatal("the fake portal did not end");
    }

    QDBusMessage test(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(portal, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                           QStringLiteral("org.freedesktop.portal.Test"), method);
        call.setArguments(arguments);
        return bus().call(call);
    }
    void configure(const QVariantMap &settings) { QCOMPARE_NE(test(QStringLiteral("Configure"), {settings}).type(), QDBusMessage::ErrorMessage); }
    QJsonArray calls() { return QJsonDocument::fromJson(test(QStringLiteral("Calls")).arguments().value(0).toString().toUtf8()).array(); }
    QJsonArray lastCall(const QString &method)
    {
        QJsonArray found;
        for (const QJsonValue &call : calls()) {
            if (call.toArray().first().toString() == method)
                found = call.toArray();
        }
        return found;
    }

private:
    QProcess m_mock;
};

// Waits for a future on the event loop, as the main thread of the program does.
template <typename T>
bool settle(QFuture<T> &future)
{
    return QTest::qWaitFor([&] { return future.isFinished(); }, 10000);
}

const QList<ScreenGrabTarget> oneScreen{{QStringLiteral("ONLY"), QRect(0, 0, 640, 400), 1}};

// The portal's answer when it is a failure, waited for on the event loop.
std::optional<PortalResponse> failureOf(QFuture<QList<QImage>> future)
{
    if (!settle(future))
        return PortalResponse{PortalResponse::Code::other, {}, QStringLiteral("no answer")};
    try {
        future.waitForFinished();
        future.result();
    } catch (const PortalRequestError &error) {
        return error.response();
    }
    return std::nullopt;
}

std::map<std::uint32_t, PortalGlobalShortcutService::Name> names()
{
    return {{1, {QStringLiteral("capture-text"), QStringLiteral("Capture Text")}},
            {2, {QStringLiteral("capture-screenshot"), QStringLiteral("Capture Screenshot")}}};
}
} // namespace

class PortalContractTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakePortal> m_portal;
    QTemporaryDir m_dir;

    QString writeDesktopPicture(const QImage &image)
    {
        const QString file = m_dir.filePath(QStringLiteral("Screenshot.png"));
        [&] { QVERIFY(image.save(file)); }();
        m_portal->configure({{QStringLiteral("screenshot_file"), file}, {QStringLiteral("screenshot_response"), 0u}});
        return file;
    }

private slots:
    void initTestCase()
    {
        // Never the user's own bus: the test replaces the permission store there.
        QCOMPARE(bus().interface()->activatableServiceNames().value(), QStringList{QStringLiteral("org.freedesktop.DBus")});
    }
    // Started again after the test that needs none.
    void init()
    {
        if (!m_portal)
            m_portal = std::make_unique<FakePortal>();
    }
    void cleanupTestCase() { m_portal.reset(); }

    // Side by side at one scale, and a scale-1 screen beside a scale-2 one, are the real portal's
    // in the sway test; here a lower screen to the right, which sway does not place.
    void desktopPictureIsCutIntoScreensPixelForPixel()
    {
        const qreal scale = 2;
        const QList<ScreenGrabTarget> screens{{QStringLiteral("LEFT"), QRect(0, 0, 640, 400), 1},
                                              {QStringLiteral("RIGHT"), QRect(640, 120, 800, 500), scale}};
        const QRect all = screens[0].geometry | screens[1].geometry;
        const QImage desktop = patternImage(all.size() * scale);
        const QString file = writeDesktopPicture(desktop);

        PortalScreenGrabber grabber(bus());
        QVERIFY(grabber.isAvailable());
        QFuture<QList<QImage>> future = grabber.grabScreens(screens);
        QVERIFY(settle(future));
        const QList<QImage> parts = future.result();
        QCOMPARE(parts.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const QRect g = screens[i].geometry;
            const qreal ratio = screens[i].devicePixelRatio;
            // One ratio for the whole picture, never the screen's ratio applied once more; a
            // screen of lower density than the picture is brought back to its own pixels.
            QCOMPARE(parts[i].size(), g.size() * ratio);
            QCOMPARE(parts[i].devicePixelRatio(), ratio);
            QImage expected = desktop.copy(QRect(g.topLeft() * scale, g.size() * scale));
            if (ratio != scale)
                expected = expected.scaled(g.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            expected.setDevicePixelRatio(ratio);
            QCOMPARE(parts[i], expected);
        }
        // The portal's file is read, then removed.
        QVERIFY(!QFile::exists(file));

        const QJsonArray call = m_portal->lastCall(QStringLiteral("Screenshot"));
        const QJsonObject options = call.at(2).toObject();
        QCOMPARE(options.value(QStringLiteral("interactive")).toBool(true), false);
        QVERIFY(options.value(QStringLiteral("handle_token")).toString().startsWith(QLatin1String("tessarin")));
    }

    void aFileThePortalDidNotJustWriteIsKept()
    {
        const QString file = writeDesktopPicture(patternImage({640, 400}));
        QFile old(file);
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        old.close();
        PortalScreenGrabber grabber(bus());
        QFuture<QList<QImage>> future = grabber.grabScreens(oneScreen);
        QVERIFY(settle(future));
        QCOMPARE(future.result().value(0).size(), QSize(640, 400));
        QVERIFY(QFile::exists(file));
    }

    void refusalAndCancellationReachTheCallerUnchanged_data()
    {
        QTest::addColumn<uint>("code");
        QTest::newRow("cancelled") << 1u;
        QTest::newRow("refused or failed") << 2u;
    }
    void refusalAndCancellationReachTheCallerUnchanged()
    {
        QFETCH(uint, code);
        m_portal->configure({{QStringLiteral("screenshot_response"), code}});
        const std::optional<PortalResponse> failure = failureOf(PortalScreenGrabber(bus()).grabScreens(oneScreen));
        QVERIFY(failure);
        QCOMPARE(uint(failure->code), code);
        QVERIFY(failure->errorName.isEmpty());
        m_portal->configure({{QStringLiteral("screenshot_response"), 0u}});
    }

    void withoutAPortalNothingIsSilentlyLost()
    {
        m_portal.reset();
        PortalScreenGrabber grabber(bus());
        QVERIFY(!grabber.isAvailable());
        const std::optional<PortalResponse> failure = failureOf(grabber.grabScreens(oneScreen));
        QVERIFY(failure);
        QCOMPARE(failure->errorName, QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));

        HotKeyMonitor monitor(std::make_unique<PortalGlobalShortcutService>(names(), bus()));
        std::vector<HotKeyMonitor::RegistrationFailure> late;
        monitor.onLateFailures = [&](const auto &failures) { late = failures; };
        QVERIFY(monitor.registerHotKeys({{2, imageKey, [] {}}, {1, textKey, [] {}}}).empty());
        QTRY_COMPARE(late.size(), size_t(2));
        QCOMPARE(late[0], (HotKeyMonitor::RegistrationFailure{2, imageKey, PortalGlobalShortcutService::unsupported}));
        QVERIFY(!monitor.isRegistered(1) && !monitor.isRegistered(2));
    }

    void askingAgainForgetsARefusalTheDesktopKept()
    {
        // The real permission store, where GNOME's portal keeps "Deny" for good.
        QTemporaryDir data;
        QProcess store;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        store.setProcessEnvironment(env);
        store.start(QStringLiteral("/usr/libexec/xdg-permission-store"), {QStringLiteral("--replace")});
        QVERIFY2(store.waitForStarted(), "xdg-permission-store is missing (xdg-desktop-portal)");
        const QString name = QStringLiteral("org.freedesktop.impl.portal.PermissionStore");
        QTRY_VERIFY(bus().interface()->isServiceRegistered(name));
        QDBusInterface permissions(name, QStringLiteral("/org/freedesktop/impl/portal/PermissionStore"), name, bus());
        // Whether the answer for programs that are not sandboxed (the empty id) is kept.
        auto stored = [&] {
            const QDBusMessage reply = permissions.call(QStringLiteral("Lookup"), QStringLiteral("screenshot"),
                                                        QStringLiteral("screenshot"));
            if (reply.type() != QDBusMessage::ReplyMessage)
                return false;
            QMap<QString, QStringList> answers;
            reply.arguments().value(0).value<QDBusArgument>() >> answers;
            return answers.contains(QString());
        };
        const QDBusMessage set = permissions.call(QStringLiteral("SetPermission"), QStringLiteral("screenshot"), true,
                                                  QStringLiteral("screenshot"), QString(), QStringList{QStringLiteral("no")});
        QCOMPARE(set.type(), QDBusMessage::ReplyMessage);
        QVERIFY(stored());

        PortalScreenGrabber(bus()).forgetRefusal();
        QTRY_VERIFY(!stored());
        store.terminate();
        QVERIFY(store.waitForFinished(3000));
    }

    void shortcutsAreBoundInOneSessionAndOnlyOurPressesCount_data()
    {
        QTest::addColumn<bool>("kde");
        QTest::newRow("portal as specified") << false;
        QTest::newRow("KDE Plasma 5.27") << true;
    }
    void shortcutsAreBoundInOneSessionAndOnlyOurPressesCount()
    {
        QFETCH(bool, kde);
        m_portal->configure({{QStringLiteral("kde"), kde}, {QStringLiteral("bind_only"), QStringList()},
                          {QStringLiteral("session_response"), 0u}});
        auto service = std::make_unique<PortalGlobalShortcutService>(names(), bus());
        PortalGlobalShortcutService &portalService = *service;
        HotKeyMonitor monitor(std::move(service));
        std::vector<HotKeyMonitor::RegistrationFailure> late;
        monitor.onLateFailures = [&](const auto &failures) { late = failures; };
        int text = 0, image = 0;
        QVERIFY(monitor.registerHotKeys({{2, imageKey, [&] { ++image; }}, {1, textKey, [&] { ++text; }}}).empty());
        QTRY_VERIFY(!portalService.sessionHandle().isEmpty());

        const QJsonArray created = m_portal->lastCall(QStringLiteral("CreateSession"));
        const QJsonObject options = created.at(1).toObject();
        QCOMPARE(options.value(QStringLiteral("session_handle_token")).toString(), QStringLiteral("tessarin"));
        const QJsonArray shortcuts = options.value(QStringLiteral("shortcuts")).toArray();
        QCOMPARE(shortcuts.size(), 2);
        QCOMPARE(shortcuts.at(1).toArray().at(0).toString(), QStringLiteral("capture-text"));
        QCOMPARE(shortcuts.at(1).toArray().at(1).toObject().value(QStringLiteral("preferred_trigger")).toString(),
                 QStringLiteral("CTRL+LOGO+2"));
        QTRY_COMPARE(m_portal->lastCall(QStringLiteral("BindShortcuts")).at(1).toString(), portalService.sessionHandle());
        // Nothing to observe when no failure rightly comes: the binding's answer is a few
        // messages behind the call.
        QTest::qWait(100);
        QVERIFY(late.empty());
        QVERIFY(monitor.isRegistered(1) && monitor.isRegistered(2));

        const QString ours = portalService.sessionHandle();
        const QString foreign = QStringLiteral("/org/freedesktop/portal/desktop/session/1_99/tessarin");
        m_portal->test(QStringLiteral("Fire"), {QVariant::fromValue(QDBusObjectPath(foreign)), QStringLiteral("capture-text")});
        m_portal->test(QStringLiteral("Fire"), {QVariant::fromValue(QDBusObjectPath(ours)), QStringLiteral("capture-screenshot")});
        QTRY_COMPARE(image, 1);
        // Signals arrive in the order the portal sent them: the foreign one came first.
        QCOMPARE(text, 0);
        m_portal->test(QStringLiteral("Fire"), {QVariant::fromValue(QDBusObjectPath(ours)), QStringLiteral("capture-text")});
        QTRY_COMPARE(text, 1);
    }

    void refusedBindingsArriveAsTheMonitorsFailureList()
    {
        m_portal->configure({{QStringLiteral("kde"), false}, {QStringLiteral("bind_only"), QStringList{QStringLiteral("capture-screenshot")}}});
        HotKeyMonitor monitor(std::make_unique<PortalGlobalShortcutService>(names(), bus()));
        std::vector<HotKeyMonitor::RegistrationFailure> late;
        monitor.onLateFailures = [&](const auto &failures) { late = failures; };
        QVERIFY(monitor.registerHotKeys({{2, imageKey, [] {}}, {1, textKey, [] {}}}).empty());
        QTRY_COMPARE(late.size(), size_t(1));
        QCOMPARE(late.front(), (HotKeyMonitor::RegistrationFailure{1, textKey, PortalGlobalShortcutService::notBound}));
        QVERIFY(!monitor.isRegistered(1));
        QVERIFY(monitor.isRegistered(2));

        // A refused session refuses both, screenshot first as registered.
        m_portal->configure({{QStringLiteral("session_response"), 2u}});
        late.clear();
        QVERIFY(monitor.registerHotKeys({{2, imageKey, [] {}}, {1, textKey, [] {}}}).empty());
        QTRY_COMPARE(late.size(), size_t(2));
        QCOMPARE(late[0].id, 2u);
        QCOMPARE(late[1].id, 1u);
        QCOMPARE(late[0].status, PortalGlobalShortcutService::requestFailed);
        m_portal->configure({{QStringLiteral("session_response"), 0u}, {QStringLiteral("bind_only"), QStringList()}});
    }

    void actionsAreReachableByDBusActivation()
    {
        ApplicationActionService service;
        int text = 0, image = 0, activated = 0;
        service.actions = {{QStringLiteral("capture-text"), [&] { ++text; }},
                           {QStringLiteral("capture-screenshot"), [&] { ++image; }}};
        service.onActivate = [&] { ++activated; };
        QVERIFY(service.publish(bus()));

        QDBusInterface application(QString::fromLatin1(ApplicationActionService::applicationId),
                                   QStringLiteral("/org/tessarin/Tessarin"), QStringLiteral("org.freedesktop.Application"),
                                   bus());
        QVERIFY(application.call(QStringLiteral("ActivateAction"), QStringLiteral("capture-screenshot"),
                                 QVariantList(), QVariantMap()).type() == QDBusMessage::ReplyMessage);
        QTRY_COMPARE(image, 1);
        const QDBusMessage unknown = application.call(QStringLiteral("ActivateAction"), QStringLiteral("format-disk"),
                                                      QVariantList(), QVariantMap());
        QCOMPARE(unknown.type(), QDBusMessage::ErrorMessage);
        // README's gapplication commands, against the built program, are the sway test's.
        QCOMPARE(text, 0);
        QCOMPARE(activated, 0);
    }
};

QTEST_GUILESS_MAIN(PortalContractTest)
#include "PortalContractTest.moc"
