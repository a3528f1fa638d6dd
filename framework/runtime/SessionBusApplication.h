#pragma once
// The running copy as the desktop's session bus knows applications: it owns
// the bus name "org.larderwise.Larderwise.D<key>" and serves the freedesktop
// interface org.freedesktop.Application (Activate, Open with file URIs,
// ActivateAction) at /org/larderwise/Larderwise, so a desktop that talks to
// applications over the bus reaches it. Our own launches hand over through
// the socket the lock names instead (SingleInstance.h): one path, so nothing
// arrives twice.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class SessionBusApplication {
public:
    using Delivery = std::function<void(const std::vector<std::string>& documents)>;

    // Registers on the session bus where there is one; stays inert otherwise.
    SessionBusApplication(const std::string& key, Delivery deliver);
    ~SessionBusApplication();
    SessionBusApplication(const SessionBusApplication&) = delete;
    SessionBusApplication& operator=(const SessionBusApplication&) = delete;

    bool registered() const;
    // Leaves the bus, so the desktop reaches this copy no more (it starts a
    // launch of its own instead), and delivers now what the bus handed over
    // and is still queued.
    void stop();

private:
    void unregister();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
