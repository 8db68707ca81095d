#include "IniCheck.h"

#include <QList>

namespace IniCheck {

namespace {

bool quotesBalanced(const QByteArray &value)
{
    bool inside = false;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && inside) {
            ++i; // an escaped character inside quotes
            continue;
        }
        if (value[i] == '"')
            inside = !inside;
    }
    return !inside;
}

} // namespace

bool isWellFormed(const QByteArray &text)
{
    if (text.contains('\0'))
        return false;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']'))
                return false;
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals <= 0 || !quotesBalanced(line.mid(equals + 1)))
            return false;
    }
    return true;
}

} // namespace IniCheck
