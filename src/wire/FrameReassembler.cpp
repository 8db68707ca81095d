#include "FrameReassembler.h"

#include "LinkLog.h"

#include <QtEndian>

void FrameReassembler::append(const char *data, int size)
{
    if (size <= 0)
        return;
    if (m_delivering)
        m_aside.append(data, size);
    else
        m_buffer.append(data, size);
}

void FrameReassembler::clear()
{
    m_buffer.clear();
    m_aside.clear();
    m_start = 0;
}

void FrameReassembler::compact()
{
    if (m_start > 0) {
        m_buffer.remove(0, m_start);
        m_start = 0;
    }
    if (!m_aside.isEmpty()) {
        m_buffer.append(m_aside);
        m_aside.clear();
    }
}

void FrameReassembler::logHeaderError(int available)
{
    qCDebug(lcLink) << "PacketHeader Error!!! total len =" << available;
}

void FrameReassembler::logTailError(int available, int frameSize)
{
    qCDebug(lcLink) << "PacketTailer Error!!! total len =" << available
                    << ", pkt len =" << frameSize;
}
