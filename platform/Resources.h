#pragma once

#include <QString>

namespace platform {

// The text of a resource compiled into the program (UTF-8); empty when the
// program carries no such resource.
QString builtInText(const QString& resource);

} // namespace platform
