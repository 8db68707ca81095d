#pragma once

#include <QByteArray>

// Tells whether the text of an INI file reads as the program would write it: comments, [group]
// lines and key=value lines with balanced quotes, no binary bytes. The INI reader itself is
// lenient (an unterminated quote swallows every group after it), and a file it misread must not
// be saved back.
namespace IniCheck {
bool isWellFormed(const QByteArray &text);
}
