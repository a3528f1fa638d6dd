#include "framework/runtime/HandOverServer.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <optional>

#include <sys/stat.h>

namespace {

constexpr char kReceived = 'r';
constexpr char kRefused = 'x';
constexpr int kCheckMilliseconds = 1000;
constexpr char kConfirmed = 'c';
constexpr char kQueued = 'q';
const char* const kPendingID = "handOverID";
const char* const kPendingPaths = "handOverPaths";

// Paths travel as bytes: a file name need not be valid UTF-8.
QList<QByteArray> toQt(const std::vector<std::string>& documents) {
    QList<QByteArray> list;
    for (const std::string& d : documents) list << QByteArray::fromStdString(d);
    return list;
}

}  // namespace

struct HandOverServer::Thread : QThread {
    QString path;
    QString dataFolder;
    HandOverServer::Delivery deliver;
    std::function<void()> alsoEachCheck;
    // Lives on the main thread; deliveries still queued when the server goes
    // go with it instead of running against a receiver that is gone.
    QObject receiver;
    QSemaphore started;
    bool listening = false;

    // First the launch's identity, documents and data folder, answered with
    // kReceived (kRefused, and nothing more, for another data folder);
    // then its kConfirmed, after which the documents are queued for the main
    // thread and kQueued answers. A launch that gave up waiting (this copy
    // was stopped or hung) never confirms, so what it told its user had not
    // been opened is never opened later; one whose confirmation came after
    // the server stopped hears no kQueued and tries again elsewhere.
    void read(QLocalSocket& socket, QSet<QString>& seen) {
        if (!socket.property(kPendingID).isValid()) {
            QDataStream in(&socket);
            in.startTransaction();
            QString id, folder;
            QList<QByteArray> paths;
            in >> id >> paths >> folder;
            if (!in.commitTransaction()) return;  // the rest is still on its way
            if (folder != dataFolder) {
                socket.write(&kRefused, 1);
                socket.disconnectFromServer();
                return;
            }
            socket.setProperty(kPendingID, id);
            socket.setProperty(kPendingPaths, QVariant::fromValue(paths));
            socket.write(&kReceived, 1);
            socket.flush();
        }
        if (socket.bytesAvailable() < 1 || socket.read(1) != QByteArray(1, kConfirmed)) return;
        const QString id = socket.property(kPendingID).toString();
        if (seen.contains(id)) {  // a repeat of a hand-over delivered already
            answerQueued(socket);
            return;
        }
        seen.insert(id);
        std::vector<std::string> documents;
        for (const QByteArray& p : socket.property(kPendingPaths).value<QList<QByteArray>>())
            documents.push_back(p.toStdString());
        QMetaObject::invokeMethod(&receiver, [deliver = deliver, documents] { deliver(documents); },
                                  Qt::QueuedConnection);
        answerQueued(socket);
    }

    static void answerQueued(QLocalSocket& socket) {
        socket.write(&kQueued, 1);
        socket.flush();
    }

    // The socket's file as this server made it: a file removed, or another
    // put in its place, no longer reaches the server.
    struct FileIdentity {
        dev_t device = 0;
        ino_t inode = 0;
        timespec changed{};  // a new file may be given the inode number of a removed one
        bool operator==(const FileIdentity& o) const {
            return device == o.device && inode == o.inode && changed.tv_sec == o.changed.tv_sec &&
                   changed.tv_nsec == o.changed.tv_nsec;
        }
    };
    std::optional<FileIdentity> socketFile() const {
        struct stat info {};
        if (::lstat(path.toLocal8Bit().constData(), &info) != 0) return std::nullopt;
        return FileIdentity{info.st_dev, info.st_ino, info.st_ctim};
    }

    bool listenAt(QLocalServer& server, std::optional<FileIdentity>& made) {
        server.close();
        QLocalServer::removeServer(path);
        const bool ok = server.listen(path);
        made = ok ? socketFile() : std::nullopt;
        return ok;
    }

    void run() override {
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        std::optional<FileIdentity> made;
        listening = listenAt(server, made);
        started.release();
        if (!listening) return;
        QSet<QString> seen;  // hand-overs delivered already, by the launch's identity
        QObject::connect(&server, &QLocalServer::newConnection, &server, [&] {
            while (QLocalSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, &seen] { read(*socket, seen); });
            }
        });
        // Launches wait for an answer far longer than this, so one that came
        // while the file was gone hands over once the server listens anew.
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &server, [&] {
            if (!made || socketFile() != made) listenAt(server, made);
            if (alsoEachCheck) alsoEachCheck();
        });
        check.start(kCheckMilliseconds);
        exec();
    }
};

HandOverServer::HandOverServer(std::string dataFolder, Delivery deliver)
    : dataFolder_(std::move(dataFolder)), deliver_(std::move(deliver)) {}

// Deliveries still queued go with the server: the program has ended.
HandOverServer::~HandOverServer() { endThread(); }

void HandOverServer::endThread() {
    if (!thread_) return;
    // The thread's loop ends between two events, so a hand-over is either
    // queued and answered or left unanswered; its sockets close with it.
    thread_->quit();
    thread_->wait();
}

void HandOverServer::stop() {
    if (!thread_) return;
    endThread();
    QCoreApplication::sendPostedEvents(&thread_->receiver, QEvent::MetaCall);
}

bool HandOverServer::listen(const std::string& path, std::function<void()> alsoEachCheck) {
    thread_ = std::make_unique<Thread>();
    thread_->path = QString::fromStdString(path);
    thread_->dataFolder = QString::fromStdString(dataFolder_);
    thread_->deliver = deliver_;
    thread_->alsoEachCheck = std::move(alsoEachCheck);
    thread_->start();
    thread_->started.acquire();
    return thread_->listening;
}

HandOverServer::Answer HandOverServer::handOver(const std::string& path, const std::string& handOverID,
                                                const std::string& dataFolder,
                                                const std::vector<std::string>& documents, int answerMilliseconds) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(path));
    if (!socket.waitForConnected(answerMilliseconds)) return Answer::NoAnswer;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QString::fromStdString(handOverID) << toQt(documents) << QString::fromStdString(dataFolder);
    socket.write(bytes);
    if (!socket.waitForBytesWritten(answerMilliseconds) || !socket.waitForReadyRead(answerMilliseconds))
        return Answer::NoAnswer;
    const QByteArray first = socket.read(1);
    if (first == QByteArray(1, kRefused)) return Answer::Refused;
    if (first != QByteArray(1, kReceived)) return Answer::NoAnswer;
    socket.write(&kConfirmed, 1);
    if (!socket.waitForBytesWritten(answerMilliseconds)) return Answer::NoAnswer;
    return socket.waitForReadyRead(answerMilliseconds) && socket.read(1) == QByteArray(1, kQueued) ? Answer::Taken
                                                                                                  : Answer::NoAnswer;
}

std::string HandOverServer::folderIdentity(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return {};
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}
