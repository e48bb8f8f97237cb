#pragma once

#include <QString>

// Folder of the running executable (/proc/self/exe), ending with "/".
QString ExecutableFolder();
