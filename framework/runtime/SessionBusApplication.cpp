#include "framework/runtime/SessionBusApplication.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QUrl>

namespace {

const char* const kInterface = "org.freedesktop.Application";
const char* const kObjectPath = "/org/larderwise/Larderwise";

// Runs `deliver` from the event loop, never inside the bus handler, so what
// it shows cannot keep the caller waiting for its reply. Queued on the
// object that answered, so stopping can deliver what is still queued.
void deliverLater(QObject* answered, const SessionBusApplication::Delivery& deliver,
                  std::vector<std::string> documents) {
    QMetaObject::invokeMethod(answered, [deliver, documents = std::move(documents)] { deliver(documents); },
                              Qt::QueuedConnection);
}

class ApplicationObject : public QDBusVirtualObject {
public:
    explicit ApplicationObject(SessionBusApplication::Delivery deliver) : deliver_(std::move(deliver)) {}

    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.freedesktop.Application\">"
            "<method name=\"Activate\"><arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>"
            "<method name=\"Open\"><arg type=\"as\" name=\"uris\" direction=\"in\"/>"
            "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>"
            "<method name=\"ActivateAction\"><arg type=\"s\" name=\"action_name\" direction=\"in\"/>"
            "<arg type=\"av\" name=\"parameter\" direction=\"in\"/>"
            "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String(kInterface)) return false;
        const QString member = message.member();
        if (member == QLatin1String("Open") && !message.arguments().isEmpty()) {
            std::vector<std::string> documents;
            for (const QString& uri : message.arguments().at(0).toStringList()) {
                const QUrl url(uri);
                if (url.isLocalFile()) documents.push_back(url.toLocalFile().toStdString());
            }
            deliverLater(this, deliver_, std::move(documents));
        } else if (member == QLatin1String("Activate")) {
            deliverLater(this, deliver_, {});
        } else if (member != QLatin1String("ActivateAction")) {
            return false;  // the bus answers "unknown method"
        }
        connection.send(message.createReply());
        return true;
    }

private:
    SessionBusApplication::Delivery deliver_;
};

}  // namespace

struct SessionBusApplication::Impl {
    std::unique_ptr<ApplicationObject> object;
    QString service;
};

SessionBusApplication::SessionBusApplication(const std::string& key, Delivery deliver)
    : impl_(std::make_unique<Impl>()) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return;
    impl_->object = std::make_unique<ApplicationObject>(std::move(deliver));
    if (!bus.registerVirtualObject(kObjectPath, impl_->object.get())) {
        impl_->object.reset();
        return;
    }
    const QString name = QStringLiteral("org.larderwise.Larderwise.D") + QString::fromStdString(key);
    const auto reply = bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        impl_->service = name;
        return;
    }
    bus.unregisterObject(kObjectPath);
    impl_->object.reset();
}

SessionBusApplication::~SessionBusApplication() { unregister(); }

void SessionBusApplication::unregister() {
    if (impl_->service.isEmpty()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kObjectPath);
    if (bus.interface()) bus.interface()->unregisterService(impl_->service);
    impl_->service.clear();
}

void SessionBusApplication::stop() {
    unregister();
    if (impl_->object) QCoreApplication::sendPostedEvents(impl_->object.get(), QEvent::MetaCall);
}

bool SessionBusApplication::registered() const { return !impl_->service.isEmpty(); }
