#pragma once

#include "ProfileWindow.h"

#include <QList>
#include <functional>
#include <QString>

class IniFile;
class Prompts;

// The definition file (PfDef.dll) and the profile store (PfSetting.ini) of one application folder
// (the store lives in the user's configuration folder when the application folder is read-only,
// see platform/UserDataFolder.h), and the operations that fill a window's lists from them and store its choices. Every operation
// opens the files afresh, so an edit of either file shows at the next operation.
class ProfileFiles {
public:
    // `folder` ends with "/".
    ProfileFiles(QString folder, Prompts &prompts);

    // The definition file of the application folder `folder` (ending with "/").
    static QString DefinitionPathIn(const QString &folder);
    QString definitionPath() const;
    QString storePath() const;

    void LoadVideoFormats(ProfileWindow &window, const QString &device) const;
    void LoadFormatChoices(ProfileWindow &window, int formatPosition) const;
    QString DescribeProfile(ProfileWindow &window, const QString &value) const;
    void LoadProfileList(ProfileWindow &window) const;
    void ApplyProfile(ProfileWindow &window, int position) const;
    // The stored name of the profile list's entry at `position`; "Custom Profile" when there is
    // no entry there.
    QString ProfileNameAt(ProfileWindow &window, int position) const;

    // Both return true when the store was changed. A name that cannot be a key, a built-in
    // profile, a refused question or a failed write leave the store as it was and return false
    // (a failed write keeps what was written before it).
    bool SaveProfile(ProfileWindow &window, const QString &name) const;
    // Removes the profile stored under `name`, whichever entry is selected.
    bool RemoveProfile(ProfileWindow &window, const QString &name) const;

    // The engine value of entry n of a family: its Value key, else its Text key, else "nodef".
    QString DefinitionValue(const QString &section, const QString &prefix, int n) const;

private:
    void loadChoiceList(const IniFile &file, ChoiceList &list, const QString &section, const QString &prefix) const;
    // Slots of the profile section whose name matches `name`, in slot order.
    QList<int> slotsNamed(const IniFile &store, const QString &section, const QString &name) const;

    // The frame of every change to the store: refuses names that cannot be keys, opens the store,
    // reports a failed write, and reloads the window's profile list when the edit went through.
    // The edit gets the store, the profile section, the trimmed name and its stored value string
    // ("nodef" when absent), and returns false to leave the store as it is.
    using ProfileEdit = std::function<bool(IniFile &store, const QString &section, const QString &name,
                                           const QString &old)>;
    bool EditProfile(ProfileWindow &window, const QString &rawName, const ProfileEdit &edit) const;

    QString folder_;
    Prompts &prompts_;
};
