#include "framework/runtime/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kInterface = "org.freedesktop.Application";
const char* const kObjectPath = "/org/larderwise/Larderwise";
// How long a second launch waits for the running copy to answer.
constexpr int kHandOverMilliseconds = 5000;

std::vector<std::string> absolutePaths(const std::vector<std::string>& documents) {
    std::vector<std::string> paths;
    for (const std::string& d : documents)
        paths.push_back(QFileInfo(QString::fromStdString(d)).absoluteFilePath().toStdString());
    return paths;
}

// Runs `deliver` from the event loop, never inside the caller (a bus or
// socket handler), so what it shows cannot block the other launch.
void deliverLater(const SingleInstance::Delivery& deliver, std::vector<std::string> documents) {
    QTimer::singleShot(0, qApp, [deliver, documents = std::move(documents)] { deliver(documents); });
}

// --- the session bus ------------------------------------------------------------

class ApplicationObject : public QDBusVirtualObject {
public:
    explicit ApplicationObject(SingleInstance::Delivery deliver) : deliver_(std::move(deliver)) {}

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
            deliverLater(deliver_, std::move(documents));
        } else if (member == QLatin1String("Activate")) {
            deliverLater(deliver_, {});
        } else if (member != QLatin1String("ActivateAction")) {
            return false;  // the bus answers "unknown method"
        }
        connection.send(message.createReply());
        return true;
    }

private:
    SingleInstance::Delivery deliver_;
};

bool handOverOnBus(QDBusConnection& bus, const QString& service, const std::vector<std::string>& documents) {
    QDBusMessage call;
    if (documents.empty()) {
        call = QDBusMessage::createMethodCall(service, kObjectPath, kInterface, "Activate");
        call << QVariantMap();
    } else {
        QStringList uris;
        for (const std::string& d : documents) uris << QUrl::fromLocalFile(QString::fromStdString(d)).toString();
        call = QDBusMessage::createMethodCall(service, kObjectPath, kInterface, "Open");
        call << uris << QVariantMap();
    }
    return bus.call(call, QDBus::Block, kHandOverMilliseconds).type() == QDBusMessage::ReplyMessage;
}

// --- the local socket -------------------------------------------------------------

bool handOverOnSocket(const QString& name, const std::vector<std::string>& documents) {
    QLocalSocket socket;
    // The running copy may still be starting: it holds the lock before it listens.
    for (int waited = 0; waited < kHandOverMilliseconds; waited += 100) {
        socket.connectToServer(name);
        if (socket.waitForConnected(100)) break;
        QThread::msleep(100);
    }
    if (socket.state() != QLocalSocket::ConnectedState) return false;
    QStringList paths;
    for (const std::string& d : documents) paths << QString::fromStdString(d);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << paths;
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kHandOverMilliseconds)) return false;
    // The copy answers one byte once it has taken the documents.
    return socket.waitForReadyRead(kHandOverMilliseconds) && socket.read(1) == "k";
}

QString runtimeFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir()) return QString::fromLocal8Bit(runtime);
    return QDir::tempPath();
}

// A socket's address holds at most 107 bytes of path. A runtime folder deeper
// than that (a long home or test folder) would leave the running copy unable to
// listen and every later launch running as a copy of its own, so the socket
// then goes into a private folder of this user's in /tmp, checked to be ours.
QString socketFolder(const QString& socketFileName) {
    constexpr qsizetype kLongestSocketPath = 107;
    const QString runtime = runtimeFolder();
    if ((runtime + "/" + socketFileName).toLocal8Bit().size() <= kLongestSocketPath) return runtime;
    const QString shortFolder = QStringLiteral("/tmp/larderwise-") + QString::number(::getuid());
    const QByteArray path = shortFolder.toLocal8Bit();
    ::mkdir(path.constData(), 0700);
    struct stat info {};
    const bool ours = ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
                      (info.st_mode & 077) == 0;
    return ours ? shortFolder : runtime;
}

}  // namespace

struct SingleInstance::Impl {
    std::string key;
    std::string channel;
    Delivery deliver;
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<QLocalServer> server;
    std::unique_ptr<ApplicationObject> busObject;
    QString busService;

    QString serviceName() const { return QStringLiteral("org.larderwise.Larderwise.D") + QString::fromStdString(key); }
    QString socketFileName() const { return "larderwise-" + QString::fromStdString(key) + ".socket"; }
    QString socketName() const { return socketFolder(socketFileName()) + "/" + socketFileName(); }

    // Answers True when the copy claimed the bus name or handed over on it;
    // sets `handedOver` in the second case.
    bool claimOnBus(const std::vector<std::string>& documents, bool& handedOver) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || !bus.interface()) return false;
        busObject = std::make_unique<ApplicationObject>(deliver);
        if (!bus.registerVirtualObject(kObjectPath, busObject.get())) return false;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto reply = bus.interface()->registerService(serviceName(), QDBusConnectionInterface::DontQueueService,
                                                                QDBusConnectionInterface::DontAllowReplacement);
            if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
                busService = serviceName();
                channel = "bus";
                return true;
            }
            // Taken: hand over. If the owner went away meanwhile, try once more.
            if (handOverOnBus(bus, serviceName(), documents)) {
                handedOver = true;
                return true;
            }
        }
        bus.unregisterObject(kObjectPath);
        busObject.reset();
        return false;
    }

    bool claimOnSocket(const std::vector<std::string>& documents, bool& handedOver) {
        const QString name = socketName();
        // The lock stays in the runtime folder, whatever folder the socket is in.
        lock = std::make_unique<QLockFile>(runtimeFolder() + "/" + socketFileName() + ".lock");
        // A lock whose process no longer exists is stale and taken over at once.
        lock->setStaleLockTime(0);
        bool locked = lock->tryLock(0);
        if (!locked && lock->error() == QLockFile::LockFailedError) {
            if (handOverOnSocket(name, documents)) {
                handedOver = true;
                return true;
            }
            // The running copy did not answer: it may have died meanwhile,
            // leaving its lock stale.
            locked = lock->tryLock(0);
        }
        if (!locked) {
            lock.reset();
            return false;
        }
        // Ours now: a socket file left by a copy that crashed goes.
        QLocalServer::removeServer(name);
        server = std::make_unique<QLocalServer>();
        server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!server->listen(name)) {
            server.reset();
            return false;
        }
        QObject::connect(server.get(), &QLocalServer::newConnection, [this] { acceptConnections(); });
        channel = "socket";
        return true;
    }

    void acceptConnections() {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                QDataStream in(socket);
                in.startTransaction();
                QStringList paths;
                in >> paths;
                if (!in.commitTransaction()) return;  // the rest is still on its way
                std::vector<std::string> documents;
                for (const QString& p : paths) documents.push_back(p.toStdString());
                deliverLater(deliver, std::move(documents));
                socket->write("k");
                socket->flush();
            });
        }
    }
};

SingleInstance::SingleInstance(std::string key) : impl_(std::make_unique<Impl>()) { impl_->key = std::move(key); }

SingleInstance::~SingleInstance() {
    if (!impl_->busService.isEmpty()) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(kObjectPath);
        if (bus.interface()) bus.interface()->unregisterService(impl_->busService);
    }
    if (impl_->server) impl_->server->close();
    // The lock file goes with the lock (QLockFile removes it on destruction).
}

bool SingleInstance::claim(const std::vector<std::string>& documents, Delivery deliver) {
    impl_->deliver = std::move(deliver);
    const std::vector<std::string> paths = absolutePaths(documents);
    bool handedOver = false;
    if (impl_->claimOnBus(paths, handedOver) || impl_->claimOnSocket(paths, handedOver)) return !handedOver;
    return true;  // neither channel works: run on our own
}

std::string SingleInstance::channel() const { return impl_->channel; }

std::string SingleInstance::instanceKey(const std::string& applicationName, const std::string& dataFolderPath) {
    const QByteArray path = QFileInfo(QString::fromStdString(dataFolderPath)).absoluteFilePath().toUtf8();
    const QByteArray named = QByteArray::fromStdString(applicationName) + '\0' + path;
    return QCryptographicHash::hash(named, QCryptographicHash::Sha1).toHex().left(16).toStdString();
}
