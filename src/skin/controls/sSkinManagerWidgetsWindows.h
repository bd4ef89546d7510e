#pragma once
// The windows one skin manager sends every broadcast to besides the forms (extra forms it
// tracks, skinned dialog windows), in the order they were registered.
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <vector>

namespace tornivex {

class TsSkinManager;

class TSkinWindowRegistry final : public QObject {
    Q_OBJECT

public:
    explicit TSkinWindowRegistry(TsSkinManager& manager); // owned by the manager

    // Registering a window twice keeps one entry; null is ignored.
    void RegisterWindow(QObject* window);
    void UnregisterWindow(QObject* window);
    bool IsRegistered(const QObject* window) const;
    // Sends the command to each registered window. Receivers may register and unregister windows
    // meanwhile: the walk goes over the list as it was when the broadcast began, and a window
    // unregistered or destroyed before its turn is skipped; one registered meanwhile gets the
    // next broadcast.
    void Broadcast(int command, std::intptr_t lparam) const;

private:
    std::vector<QPointer<QObject>> windows_;
};

} // namespace tornivex
