#pragma once

#include "wire/Frame.h"
#include "model/ReplyHandler.h"

#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(MessageId)

// Applies one device reply to a mirror through the reply handlers.
inline ReplyOutcome applyReply(ParameterMirror &mirror, MessageId id, const QByteArray &payload,
                               const LastWrite &lastWrite = {}, quint8 flag = Frame::Reply)
{
    ReceivedFrame frame;
    frame.id = id;
    frame.flag = flag;
    frame.payload = payload.constData();
    frame.length = payload.size();
    ReplyOutcome out;
    ReplyHandler::handle(mirror, frame, lastWrite, out);
    return out;
}

inline QByteArray idText(MessageId id)
{
    return QByteArray::number(id.type) + '/' + QByteArray::number(id.subType) + '/'
            + QByteArray::number(id.funcId);
}

namespace QTest {
inline char *toString(const std::vector<Announcement> &list)
{
    QByteArray text = "[";
    for (const Announcement &a : list) {
        text += ' ' + idText(a.id) + " ch " + QByteArray::number(a.channel) + " other "
                + QByteArray::number(a.other);
        if (a.value.isValid())
            text += " value " + a.value.toString().toUtf8();
    }
    return qstrdup((text + " ]").constData());
}
} // namespace QTest
