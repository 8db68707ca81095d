#pragma once

#include "wire/MessageId.h"

#include <QVariant>

#include <optional>
#include <vector>

// One change of the mirror to announce through tcpSyncToUI.
struct Announcement
{
    MessageId id;
    quint8 channel = 255; // the changed channel, 255 when the message is not per channel
    quint8 other = 255; // a second index (output, band), or 255
    QVariant value; // empty except where the message carries one to the views

    bool operator==(const Announcement &o) const
    {
        return id == o.id && channel == o.channel && other == o.other && value == o.value;
    }
};

// What handling one reply asks of the device model: announcements in order, follow-up queries,
// and the reports that belong to the connection (login result, device id, passwords).
struct ReplyOutcome
{
    std::vector<Announcement> announcements;
    std::vector<MessageId> queries; // read requests with an empty payload, sent after announcing
    std::optional<quint8> loginStatus;
    std::optional<quint32> reportedDeviceId; // set when the device id changed
    bool passwordsCleared = false;

    void announce(MessageId id, quint8 channel = 255, quint8 other = 255, QVariant value = {})
    {
        announcements.push_back(Announcement {id, channel, other, std::move(value)});
    }

    // Empties the outcome and keeps the allocated capacity for the next reply.
    void clear()
    {
        announcements.clear();
        queries.clear();
        loginStatus.reset();
        reportedDeviceId.reset();
        passwordsCleared = false;
    }

    bool isEmpty() const
    {
        return announcements.empty() && queries.empty() && !loginStatus && !reportedDeviceId
                && !passwordsCleared;
    }
};
