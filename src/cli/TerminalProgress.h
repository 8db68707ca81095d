#pragma once

#include <QString>

// A progress bar on stderr while a transfer runs, drawn only when stderr is a terminal; scripts
// that capture the output see nothing of it.
class TerminalProgress
{
public:
    explicit TerminalProgress(const QString &label);
    ~TerminalProgress();

    void update(int value, int maximum);
    void finish();

private:
    QString m_label;
    bool m_terminal;
    bool m_drawn = false;
    int m_lastPercent = -1;
};
