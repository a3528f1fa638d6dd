#include "framework/runtime/SingleInstance.h"

#include "framework/runtime/HandOverServer.h"
#include "framework/runtime/RunningCopyLock.h"
#include "framework/runtime/SessionBusApplication.h"

#include <filesystem>
#include <system_error>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QUuid>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long one try waits for the running copy's answer. Its socket is
// served by a thread of its own, so a copy that is alive answers at once.
constexpr int kAnswerMilliseconds = 2000;
constexpr int kRetryMilliseconds = 100;

std::vector<std::string> absolutePaths(const std::vector<std::string>& documents) {
    std::vector<std::string> paths;
    // On the bytes: a name that is not valid UTF-8 must reach the running
    // copy as the file it names.
    for (const std::string& d : documents) {
        std::error_code failed;
        const std::filesystem::path absolute = std::filesystem::absolute(d, failed);
        paths.push_back(failed ? d : absolute.lexically_normal().string());
    }
    return paths;
}

QString runtimeFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir()) return QString::fromLocal8Bit(runtime);
    return QDir::tempPath();
}

// A socket's address holds at most 107 bytes of path. A runtime folder deeper
// than that (a long home or test folder) would leave the running copy unable to
// listen, so the socket then goes into a private folder of this user's in
// /tmp, checked to be ours.
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
    RunningCopyLock lock;
    std::unique_ptr<HandOverServer> server;
    std::unique_ptr<SessionBusApplication> bus;

    std::string dataFolder;
    std::string identity;  // the data folder's, which every hand-over names

    Impl(std::string key, const std::string& dataFolder)
        : key(std::move(key)), lock(dataFolder), dataFolder(dataFolder),
          identity(HandOverServer::folderIdentity(dataFolder)) {}

    // No lock file can be used. Where the data folder itself is missing (a
    // file in its place, a folder that cannot be made) there is no database
    // either, and the start says so; else the launch cannot tell whether it
    // is the only copy, and does not run.
    Outcome withoutLock() const {
        return QFileInfo(QString::fromStdString(dataFolder)).isDir() ? Outcome::NoLock : Outcome::Run;
    }

    std::string socketPath() const {
        const QString name = "larderwise-" + QString::fromStdString(key) + ".socket";
        return (socketFolder(name) + "/" + name).toStdString();
    }

    // Holding the lock: take hand-overs at once, then say where.
    void becomeRunningCopy(const Delivery& deliver) {
        server = std::make_unique<HandOverServer>(identity, deliver);
        const std::string path = socketPath();
        // A copy that cannot listen still runs; launches then find no socket
        // in the lock and tell their user instead of running beside it. Lock
        // files removed or replaced while it runs are taken again at the
        // server's check of its socket (the lock outlives the server).
        if (server->listen(path, [this] { lock.keepHeld(); })) lock.announce(path);
        bus = std::make_unique<SessionBusApplication>(key, deliver);
    }

    HandOverServer::Answer handOver(const std::string& path, const std::string& handOverID,
                                    const std::vector<std::string>& documents) const {
        return HandOverServer::handOver(path, handOverID, identity, documents, kAnswerMilliseconds);
    }

    // What the lock's holders answer: the first that takes the documents
    // decides; one that serves another data folder (its lock file is shared
    // with ours by a hard link) no longer counts as a holder here.
    bool handedToAHolder(const std::string& handOverID, const std::vector<std::string>& documents) {
        for (const auto& [file, holder] : lock.holders()) {
            if (holder.socketPath.empty()) continue;
            const HandOverServer::Answer answer = handOver(holder.socketPath, handOverID, documents);
            if (answer == HandOverServer::Answer::Taken) return true;
            if (answer == HandOverServer::Answer::Refused) lock.setAside(file);
        }
        return false;
    }
};

SingleInstance::SingleInstance(std::string key, std::string dataFolder)
    : impl_(std::make_unique<Impl>(std::move(key), dataFolder)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::claim(const std::vector<std::string>& documents, Delivery deliver) {
    RunningCopyLock& lock = impl_->lock;
    if (!lock.usable()) return impl_->withoutLock();
    const std::vector<std::string> paths = absolutePaths(documents);
    // One identity for every try: the running copy opens a repeat only once.
    const std::string handOverID = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock.tryTake()) {
            // Lock files removed under the running copy are made anew by the
            // next launch, which takes them: the copy that answers at this
            // data folder's socket still runs, and takes them back.
            if (impl_->handOver(impl_->socketPath(), handOverID, paths) == HandOverServer::Answer::Taken) {
                lock.release();
                return Outcome::HandedOver;
            }
            impl_->becomeRunningCopy(deliver);
            return Outcome::Run;
        }
        if (!lock.usable()) return impl_->withoutLock();  // the file system takes no locks on them
        // The holder may be starting (not listening yet), or have died a
        // moment ago (the next try takes the lock).
        if (impl_->handedToAHolder(handOverID, paths)) return Outcome::HandedOver;
        if (!lock.usable()) return impl_->withoutLock();
        if (waited.elapsed() >= kPatienceMilliseconds) return Outcome::NotTaken;
        QThread::msleep(kRetryMilliseconds);
    }
}

void SingleInstance::stopTakingDocuments() {
    if (impl_->server) impl_->server->stop();
    if (impl_->bus) impl_->bus->stop();
}

std::string SingleInstance::instanceKey(const std::string& applicationName, const std::string& dataFolderPath) {
    const QByteArray path = QFileInfo(QString::fromStdString(dataFolderPath)).absoluteFilePath().toUtf8();
    const QByteArray named = QByteArray::fromStdString(applicationName) + '\0' + path;
    return QCryptographicHash::hash(named, QCryptographicHash::Sha1).toHex().left(16).toStdString();
}

std::string SingleInstance::notTakenMessage(const std::string& applicationName,
                                            const std::vector<std::string>& documents) {
    std::string message = applicationName + " is already running but does not answer.";
    if (documents.empty()) return message;
    message += " These documents were not opened:\n";
    for (const std::string& d : documents) message += "\n" + QFileInfo(QString::fromStdString(d)).fileName().toStdString();
    return message;
}

std::string SingleInstance::noLockMessage(const std::string& applicationName) const {
    std::string message = applicationName + " cannot tell whether another copy of it is running: none of its lock "
                                            "files can be used. Quit every copy of " +
                          applicationName + ", remove these files and start it again:\n";
    for (const std::string& path : impl_->lock.paths()) message += "\n" + path;
    return message;
}
