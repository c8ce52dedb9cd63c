#pragma once

#include <QByteArray>

#include <cstdint>
#include <functional>

namespace quorvel::testing {

// A settings file holding only a high-score table: line k has the name "Pk",
// the level 7 and the score `score(k)`, k from 1 to 10.
inline QByteArray scoreTableFile(const std::function<int32_t(int line)>& score)
{
    QByteArray file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + QByteArray::number(k) + "]\nName=P" + QByteArray::number(k) + "\nLevel=7\nScore=" +
                QByteArray::number(score(k)) + "\n";
    return file;
}

// Line 10 has the given score and the lines above it higher ones.
inline QByteArray tableWithLine10(int32_t line10)
{
    return scoreTableFile([line10](int line) { return line == 10 ? line10 : line10 + 100 - 10 * line; });
}

} // namespace quorvel::testing
