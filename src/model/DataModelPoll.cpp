// The status poll of DataModel: the queries sent on the 10 ms tick.
#include "DataModel.h"

void DataModel::poll()
{
    StatusPoll::State state;
    state.tick = m_connection->tickCount();
    state.currentModule = m_currentModule;
    state.currentChannel = m_currentChannel;
    state.openDialogs = m_openDialogs;
    state.lastWrite = lastWrite();
    StatusPoll::build(state, m_pollQueries);
    sendQueries(m_pollQueries);
}

void DataModel::sendQueries(const std::vector<StatusQuery> &queries)
{
    if (!m_connection->isConnected() || queries.empty())
        return;
    // The same frames in the same order as one sendFrame per query, written at once: a busy
    // tick would otherwise cost a system call and two event-loop wake-ups per frame.
    m_queryBytes.clear();
    for (const StatusQuery &q : queries) {
        const size_t at = m_queryBytes.size();
        m_queryBytes.resize(at + size_t(q.selectorSize + Frame::Overhead));
        Frame::encode(m_queryBytes.data() + at, m_settings.productCode, q.id, Frame::ReadRequest,
                      reinterpret_cast<const char *>(q.selector), q.selectorSize);
    }
    m_connection->sendBytes(m_queryBytes.data(), qint64(m_queryBytes.size()));
}

void DataModel::setDialogOpen(StatusPoll::Dialog dialog, bool open)
{
    if (open)
        m_openDialogs |= dialog;
    else
        m_openDialogs &= quint8(~dialog);
}
