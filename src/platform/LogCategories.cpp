#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcEngine, "pocketreel.engine", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRun, "pocketreel.run", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpload, "pocketreel.upload", QtWarningMsg)
Q_LOGGING_CATEGORY(lcVolumes, "pocketreel.volumes", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProfiles, "pocketreel.profiles", QtWarningMsg)
