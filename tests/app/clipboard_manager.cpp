// A clipboard manager as desktops run one: owns CLIPBOARD_MANAGER and, when a program that
// leaves asks it to save the clipboard (SAVE_TARGETS), takes the clipboard's text and PNG over
// and serves them itself. Prints "saved FORMATS" for each hand-over.
#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

class Manager : public QAbstractNativeEventFilter
{
public:
    explicit Manager(xcb_connection_t *connection)
        : m_connection(connection)
        , m_manager(atom(connection, "CLIPBOARD_MANAGER"))
        , m_saveTargets(atom(connection, "SAVE_TARGETS"))
    {
        m_window.create();
        xcb_set_selection_owner(m_connection, xcb_window_t(m_window.winId()), m_manager, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        std::printf("managing\n");
        std::fflush(stdout);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<xcb_generic_event_t *>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & 0x7f) != XCB_SELECTION_REQUEST)
            return false;
        const auto request = *reinterpret_cast<const xcb_selection_request_event_t *>(event);
        if (request.selection != m_manager)
            return false;
        // Read after this handler returns: the leaving program serves the clipboard meanwhile.
        QTimer::singleShot(0, [this, request] { save(request); });
        return true;
    }

private:
    void save(const xcb_selection_request_event_t &request)
    {
        QStringList saved;
        if (request.target == m_saveTargets) {
            const QMimeData *source = QGuiApplication::clipboard()->mimeData();
            auto *copy = new QMimeData;
            for (const QString &format : {QStringLiteral("text/plain"), QStringLiteral("image/png")}) {
                if (source && source->hasFormat(format)) {
                    copy->setData(format, source->data(format));
                    saved << format;
                }
            }
            QGuiApplication::clipboard()->setMimeData(copy);
        }
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request.requestor, request.property, XCB_ATOM_ATOM,
                            32, 0, nullptr);
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = request.property;
        xcb_send_event(m_connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&notify));
        xcb_flush(m_connection);
        std::printf("saved %s\n", qPrintable(saved.join(' ')));
        std::fflush(stdout);
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_manager;
    xcb_atom_t m_saveTargets;
    QWindow m_window;
};
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return 2;
    Manager manager(x11->connection());
    app.installNativeEventFilter(&manager);
    return app.exec();
}
