#include "TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;

} // namespace

TerminalProgress::TerminalProgress(const QString &label)
    : m_label(label), m_terminal(isatty(fileno(stderr)) == 1)
{
}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::update(int value, int maximum)
{
    if (!m_terminal || maximum <= 0)
        return;
    const int percent = int(qint64(qBound(0, value, maximum)) * 100 / maximum);
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    const int filled = percent * BarWidth / 100;
    const QByteArray bar = QByteArray(filled, '#') + QByteArray(BarWidth - filled, ' ');
    std::fprintf(stderr, "\r%s [%s] %3d%%", m_label.toLocal8Bit().constData(), bar.constData(),
                 percent);
    std::fflush(stderr);
    m_drawn = true;
}

void TerminalProgress::finish()
{
    if (m_drawn) {
        std::fputc('\n', stderr);
        std::fflush(stderr);
        m_drawn = false;
    }
}
