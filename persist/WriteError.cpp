#include "WriteError.h"

#include "SettingsFile.h"

#include <QCoreApplication>

namespace quorvel::persist {
namespace {

const char* const Message = QT_TRANSLATE_NOOP("WriteError", "Unable to write to %1");

} // namespace

WriteError::WriteError() : std::runtime_error(QString::fromLatin1(Message).arg(QLatin1String(FileName)).toStdString()) {}

QString WriteError::message() const
{
    return QCoreApplication::translate("WriteError", Message).arg(QLatin1String(FileName));
}

} // namespace quorvel::persist
