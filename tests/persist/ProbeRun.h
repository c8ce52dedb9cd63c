#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

namespace quorvel::persist::testing {

inline constexpr char UnableToWrite[] = "Unable to write to vemlo.ini";

// Runs the window probe on the settings of `home` and returns what it
// printed, or nothing when it did not finish in time.
QStringList runProbe(const QString& home, const QString& action, const QProcessEnvironment& extra = {});

// The rest of the first line that starts with `key`.
QString valueOf(const QStringList& report, const QString& key);
int messagesSaying(const QStringList& report, const QString& text);

// Everything under `root`, links and special files described rather than
// followed, so that a test sees any change to any of them.
std::string treeSnapshot(const QString& root);

} // namespace quorvel::persist::testing
