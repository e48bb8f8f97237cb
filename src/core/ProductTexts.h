#pragma once

// The product's own texts, shared by the program and the pictures drawn at build time.
namespace ProductText {

inline constexpr char Name[] = "PocketReel";
inline constexpr char DisplayName[] = "PocketReel PSP Video Converter";
inline constexpr char Maker[] = "The PocketReel developers";
inline constexpr char HomePage[] = "https://example.org/pocketreel";
inline constexpr char SupportEmail[] = "mailto:support@example.org";
// Where the programs keep their files, as both programs' --help and their man pages say it.
inline constexpr char FilesHelp[] =
    "Files:\n"
    "  The application folder, where the program itself lies (lib/pocketreel/ of\n"
    "  an install, which bin/pocketreel and bin/pocketreel-cli link to), holds the\n"
    "  engine DVDEncoder.so and the definition file PfDef.dll. The options\n"
    "  Option.ini and the profiles PfSetting.ini lie beside them while that\n"
    "  folder can be written, else in $XDG_CONFIG_HOME/PocketReel/\n"
    "  (~/.config/PocketReel/); the window and the command line share them.\n";
// The engine links x264 (GPL) through FFmpeg, which makes the whole GPL; COPYING holds the text.
inline constexpr char LicenceNotice[] =
    "Copyright (C) 2026 The PocketReel developers\n"
    "Licence GPL-2.0-or-later: the GNU General Public License, version 2 or later\n"
    "<https://www.gnu.org/licenses/old-licenses/gpl-2.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace ProductText
