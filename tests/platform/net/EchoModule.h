#pragma once
// A remote data module for tests of the wire protocol and the connections: each method shows
// one behaviour of a real module (echo, by-reference assignment, failures, a call that blocks
// until the test releases it, per-instance state).

#include "platform/net/NetExceptions.h"
#include "platform/net/RemoteDataModule.h"
#include "platform/net/RemoteModuleRegistry.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace ger::test {

inline const QString kEchoModuleName = QStringLiteral("Teste.rdmEco");

// Lets a test hold a call inside the server ("Lento") and let it go. Every wait is bounded, so
// a server that serialises calls makes the test fail instead of hang.
class CallGate {
public:
    static constexpr std::chrono::seconds kBound{10};

    void enter() {
        std::unique_lock lock(m_mutex);
        ++m_entered;
        m_changed.notify_all();
    }
    bool waitEntered(int count = 1) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, kBound, [&] { return m_entered >= count; });
    }
    void release() {
        std::unique_lock lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }
    bool waitReleased() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, kBound, [&] { return m_released; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_entered = 0;
    bool m_released = false;
};

class EchoModule : public RemoteDataModule {
public:
    explicit EchoModule(std::shared_ptr<CallGate> gate)
        : RemoteDataModule(kEchoModuleName)
        , m_gate(std::move(gate)) {
        addMethod("Eco", [](QList<CallArgument>& args) {
            QVariantList values;
            for (const CallArgument& arg : args)
                values.append(arg.value);
            return QVariant(values);
        });
        addMethod("Tipos", [](QList<CallArgument>& args) {
            QStringList kinds;
            for (const CallArgument& arg : args)
                kinds.append(QStringLiteral("%1")
                                 .arg(static_cast<int>(arg.kind), 2, 16, QLatin1Char('0'))
                                 .toUpper());
            return QVariant(kinds.join(' '));
        });
        addMethod("Maiusculas", [](QList<CallArgument>& args) {
            qint64 changed = 0;
            for (CallArgument& arg : args)
                if (arg.isByReference()) {
                    arg.value = arg.value.toString().toUpper() + QStringLiteral("!");
                    ++changed;
                }
            return QVariant(changed);
        });
        addMethod("Falha", [](QList<CallArgument>& args) -> QVariant {
            throw ERemoteError(args.value(0).value.toString());
        });
        addMethod("FalhaPadrao", [](QList<CallArgument>&) -> QVariant {
            throw std::runtime_error("falha fora da plataforma");
        });
        addMethod("Lento", [this](QList<CallArgument>&) {
            m_gate->enter();
            return QVariant(m_gate->waitReleased() ? QStringLiteral("liberado")
                                                   : QStringLiteral("tempo esgotado"));
        });
        addMethod("Contador", [this](QList<CallArgument>&) { return QVariant(++m_counter); });
        addMethod("Pacote", [](QList<CallArgument>& args) {
            QByteArray packet(args.value(0).value.toInt(), '\0');
            for (qsizetype i = 0; i < packet.size(); ++i)
                packet[i] = static_cast<char>(i * 7);
            return QVariant(packet);
        });
        addMethod("Real", [](QList<CallArgument>&) { return QVariant(1.5); });
        addMethod("RefPacote", [](QList<CallArgument>& args) {
            args[0].value = QByteArray("xy");
            return QVariant();
        });
    }

private:
    std::shared_ptr<CallGate> m_gate;
    qint64 m_counter = 0;
};

inline RemoteModuleRegistry echoRegistry(std::shared_ptr<CallGate> gate) {
    RemoteModuleRegistry registry;
    registry.add(kEchoModuleName, [gate] { return std::make_unique<EchoModule>(gate); });
    return registry;
}

} // namespace ger::test
