// The status poll of DataModel: the queries sent on the 10 ms tick.
#include "DataModel.h"

void DataModel::poll()
{
    StatusPoll::State state;
    state.tick = m_tickCount;
    state.currentModule = m_currentModule;
    state.currentChannel = m_currentChannel;
    state.openDialogs = m_openDialogs;
    state.lastWrite = lastWrite();
    StatusPoll::build(state, m_pollQueries);
    sendQueries(m_pollQueries);
}

void DataModel::sendQueries(const std::vector<StatusQuery> &queries)
{
    for (const StatusQuery &q : queries) {
        sendFrame(q.id.type, q.id.subType, q.id.funcId, Frame::ReadRequest,
                  reinterpret_cast<const char *>(q.selector), q.selectorSize);
    }
}

void DataModel::setDialogOpen(StatusPoll::Dialog dialog, bool open)
{
    if (open)
        m_openDialogs |= dialog;
    else
        m_openDialogs &= quint8(~dialog);
}
