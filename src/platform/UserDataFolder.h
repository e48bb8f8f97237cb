#pragma once

#include <QString>

// Where the files that hold the user's data (Option.ini, PfSetting.ini) are kept. While the
// application folder can be written (a build folder), beside the executable as always. When it
// cannot, or when it is an install (under /usr or /opt, marked by the install rules, so that root,
// who may write there, does not change files a package owns and removes), in
// $XDG_CONFIG_HOME/<product>/ (~/.config/<product>/ by default), where the shipped file from the
// application folder is copied the first time it is asked for. Files that are the program's own (PfDef.dll) are always read from the application
// folder and never go through here.

// The file the install rules put into an installed application folder.
inline constexpr char InstalledMarker[] = "INSTALLED";

// The folder for the user's files, ending with "/". `appFolder` ends with "/".
QString UserDataFolder(const QString &appFolder, const QString &product);

// The path of one of the user's files. When the user's copy is missing and cannot be made (the
// configuration folder cannot be written), the shipped file is returned so its values are still
// read; a later write then fails on it and is reported as any failed write.
QString UserDataPath(const QString &appFolder, const QString &product, const QString &fileName);
