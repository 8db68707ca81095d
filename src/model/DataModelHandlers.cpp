// The reply part of DataModel: each received frame goes through the reply handlers, and what
// they report is announced and acted on here.
#include "DataModel.h"

#include "model/ReplyHandler.h"

void DataModel::handleReply(ReplyHandlerEntry entry, const ReceivedFrame &frame)
{
    // A receiver of tcpSyncToUI may feed the model again; the nested reply then works on its
    // own outcome and this one stays intact.
    ReplyOutcome outcome = std::move(m_replyOutcome);
    outcome.clear();
    entry(m_mirror, frame, lastWrite(), outcome);
    if (!outcome.isEmpty())
        publish(outcome);
    m_replyOutcome = std::move(outcome);
}

void DataModel::publish(const ReplyOutcome &outcome)
{
    for (const Announcement &a : outcome.announcements)
        emit tcpSyncToUI(a.id.type, a.id.subType, a.id.funcId, a.channel, a.other, a.value);
    for (MessageId query : outcome.queries)
        sendFrame(query, Frame::ReadRequest);
    if (outcome.reportedDeviceId)
        deviceIdReported(*outcome.reportedDeviceId);
    if (outcome.passwordsCleared)
        forgetPasswords();
    if (outcome.loginStatus)
        loginReplyReceived(*outcome.loginStatus);
}
