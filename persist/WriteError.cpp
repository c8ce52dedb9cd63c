#include "WriteError.h"

#include "SettingsFile.h"

#include <string>

namespace quorvel::persist {

WriteError::WriteError() : std::runtime_error(std::string("Unable to write to ") + FileName) {}

} // namespace quorvel::persist
