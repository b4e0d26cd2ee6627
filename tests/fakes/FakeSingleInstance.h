#pragma once
#include "platform/SingleInstance.h"

#include <QStringList>

namespace tw::test {

// Answers claim() from its role and records what was handed over; delivered = false is a running copy that
// does not answer.
class FakeSingleInstance : public platform::SingleInstance {
public:
    Role claim() override
    {
        ++claims;
        return role;
    }
    bool handOver(const QString& commandLine) override
    {
        handedOver.append(commandLine);
        return delivered;
    }
    void setReceiver(Receiver newReceiver) override { receiver = std::move(newReceiver); }

    Role role = Role::Running;
    bool delivered = true;
    int claims = 0;
    QStringList handedOver;
    Receiver receiver;
};

} // namespace tw::test
