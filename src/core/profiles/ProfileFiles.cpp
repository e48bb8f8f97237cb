#include "ProfileFiles.h"

#include "DefinitionFamilies.h"
#include "ProfileValue.h"

#include "core/AppGlobals.h"
#include "platform/IniFile.h"
#include "platform/LogCategories.h"
#include "platform/Prompts.h"
#include "platform/UserDataFolder.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString CustomProfile = QStringLiteral("Custom Profile");

struct FamilyKey {
    FormatFamily family;
    const char *prefix;
};

// Loading order of the format-dependent lists.
constexpr FamilyKey FormatFamilies[] = {
    {FormatFamily::VideoAspect, "VideoAspect"},         {FormatFamily::VideoResolution, "VideoResolution"},
    {FormatFamily::VideoFrameRate, "VideoFrameRate"},   {FormatFamily::AudioBitrate, "AudioBitrate"},
    {FormatFamily::AudioSampleRate, "AudioSampleRate"}, {FormatFamily::AudioVolume, "AudioVolume"},
};

QString profileSection(const ProfileWindow &window)
{
    return window.DeviceSection + QStringLiteral("-Profile");
}

QString quotedName(const QString &name)
{
    return QStringLiteral("Profile Name : \"") + name + u'"';
}

int selectedOf(ChoiceList *list)
{
    return list ? list->selected() : -1;
}

} // namespace

ProfileFiles::ProfileFiles(QString folder, Prompts &prompts)
    : folder_(std::move(folder))
    , prompts_(prompts)
{
}

QString ProfileFiles::DefinitionPathIn(const QString &folder)
{
    return folder + QStringLiteral("PfDef.dll");
}

QString ProfileFiles::definitionPath() const
{
    return DefinitionPathIn(folder_);
}

QString ProfileFiles::storePath() const
{
    return UserDataPath(folder_, ProductName, QStringLiteral("PfSetting.ini"));
}

void ProfileFiles::loadChoiceList(const IniFile &file, ChoiceList &list, const QString &section,
                                  const QString &prefix) const
{
    const ChoiceFamily family = ReadChoiceFamily(file, section, prefix);
    for (const QString &text : family.texts)
        list.append(text);
    list.select(family.defaultPosition);
}

void ProfileFiles::LoadVideoFormats(ProfileWindow &window, const QString &device) const
{
    window.DeviceSection = device;
    {
        const IniFile definition(definitionPath());
        if (!QFileInfo::exists(definitionPath()))
            qCWarning(lcProfiles).noquote() << "no definition file" << definitionPath() << "- no encoding choices";
        window.videoFormatList().clear();
        loadChoiceList(definition, window.videoFormatList(), device, QStringLiteral("VideoFormat"));
    }
    LoadFormatChoices(window, window.videoFormatList().selected());
}

void ProfileFiles::LoadFormatChoices(ProfileWindow &window, int formatPosition) const
{
    const bool enabled = formatPosition >= 0;
    for (const FamilyKey &key : FormatFamilies) {
        if (ChoiceList *list = window.formatList(key.family)) {
            list->clear();
            list->setEnabled(enabled);
        }
    }
    window.formatListsEnabled(enabled);

    const IniFile definition(definitionPath());
    const int formatCount = definition.readInteger(window.DeviceSection, QStringLiteral("VideoFormatCount"), 0);
    if (formatPosition < 0 || formatPosition >= formatCount)
        return;
    const QString formatText = definition.readString(
        window.DeviceSection, QStringLiteral("VideoFormatText") + QString::number(formatPosition), NoDef);
    const QString section = window.DeviceSection + u'-' + formatText;

    for (const FamilyKey &key : FormatFamilies) {
        if (ChoiceList *list = window.formatList(key.family))
            loadChoiceList(definition, *list, section, QLatin1String(key.prefix));
    }
    const NumberFamily bitRate = ReadNumberFamily(definition, section, QStringLiteral("VideoBitRate"));
    NumberField &field = window.videoBitRateField();
    field.setBounds(bitRate.minimum, bitRate.maximum);
    field.setValue(bitRate.value);
    field.setIncrement(bitRate.step);
    window.formatChoicesLoaded();
}

QString ProfileFiles::DescribeProfile(ProfileWindow &window, const QString &value) const
{
    // A profile made for a format this definition does not list is shown by its name alone.
    const ChoiceList &formats = window.videoFormatList();
    const int formatPosition = ProfileField(value, 1);
    if (formatPosition < 0 || formatPosition >= formats.count())
        return {};
    const QString formatText = formats.textAt(formatPosition);
    const QString section = window.DeviceSection + u'-' + formatText;

    const IniFile definition(definitionPath());
    const QString resolution = definition.readString(
        section, QStringLiteral("VideoResolutionText") + QString::number(ProfileField(value, 3)), QString());
    const QString video = QString::number(ProfileField(value, 5)) + QStringLiteral("kbps");
    const QString audio = definition.readString(section, QStringLiteral("AudioBitrateText") + QString::number(ProfileField(value, 6)),
                                                QStringLiteral("0"))
        + QStringLiteral("kbps");
    const QString rate = definition.readString(section, QStringLiteral("AudioSampleRateText") + QString::number(ProfileField(value, 7)),
                                               QStringLiteral("0"))
        + QStringLiteral("hz");
    return QStringLiteral(" : Video-") + formatText + u',' + resolution + u',' + video + QStringLiteral(",Audio-") + audio
        + u',' + rate;
}

void ProfileFiles::LoadProfileList(ProfileWindow &window) const
{
    ChoiceList &profiles = window.profileList();
    {
        const IniFile store(storePath());
        const QString section = profileSection(window);
        profiles.clear();
        const int count = store.readInteger(section, QStringLiteral("ProfileCount"), 0);
        for (const auto &[slot, name] : ReadNumberedTexts(store, section, QStringLiteral("ProfileText"), count)) {
            const QString value = store.readString(section, name, NoDef);
            profiles.append(value == NoDef ? name : name + DescribeProfile(window, value), slot);
        }
        profiles.select(store.readInteger(section, QStringLiteral("ProfileDefault"), -1));
    }
    ApplyProfile(window, profiles.selected());
}

void ProfileFiles::ApplyProfile(ProfileWindow &window, int position) const
{
    const QString name = ProfileNameAt(window, position);
    window.profileNameApplied(name);
    const QString value = IniFile(storePath()).readString(profileSection(window), name, NoDef);
    if (value == NoDef)
        return;

    window.videoFormatList().select(ProfileField(value, 1));
    window.videoFormatChanged();

    const struct {
        FormatFamily family;
        int field;
    } listFields[] = {{FormatFamily::VideoAspect, 2},  {FormatFamily::VideoResolution, 3},
                      {FormatFamily::VideoFrameRate, 4}, {FormatFamily::AudioBitrate, 6},
                      {FormatFamily::AudioSampleRate, 7}, {FormatFamily::AudioVolume, 8}};
    for (const auto &entry : listFields) {
        if (ChoiceList *list = window.formatList(entry.family))
            list->select(ProfileField(value, entry.field));
    }
    window.videoBitRateField().setValue(ProfileField(value, 5));
    window.profileVolumeApplied();
}

QString ProfileFiles::ProfileNameAt(ProfileWindow &window, int position) const
{
    const ChoiceList &profiles = window.profileList();
    if (position < 0 || position >= profiles.count())
        return CustomProfile;
    return IniFile(storePath()).readString(profileSection(window),
                                           QStringLiteral("ProfileText") + QString::number(profiles.tagAt(position)),
                                           CustomProfile);
}

QList<int> ProfileFiles::slotsNamed(const IniFile &store, const QString &section, const QString &name) const
{
    QList<int> found;
    const int count = store.readInteger(section, QStringLiteral("ProfileCount"), 0);
    for (const auto &[slot, slotName] : ReadNumberedTexts(store, section, QStringLiteral("ProfileText"), count)) {
        if (slotName.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            found.append(slot);
    }
    return found;
}

bool ProfileFiles::EditProfile(ProfileWindow &window, const QString &rawName, const ProfileEdit &edit) const
{
    const QString name = rawName.trimmed();
    if (const QString problem = ProfileNameProblem(name); !problem.isEmpty()) {
        prompts_.Information(quotedName(name) + QStringLiteral(".\n") + problem);
        return false;
    }
    try {
        IniFile store(storePath());
        const QString section = profileSection(window);
        if (!edit(store, section, name, store.readString(section, name, NoDef)))
            return false;
    } catch (const IniWriteError &error) {
        prompts_.Error(QString::fromLocal8Bit(error.what()));
        return false;
    }
    LoadProfileList(window);
    return true;
}

bool ProfileFiles::SaveProfile(ProfileWindow &window, const QString &rawName) const
{
    return EditProfile(window, rawName, [&](IniFile &store, const QString &section, const QString &name,
                                            const QString &old) {
        if (old != NoDef) {
            if (ProfileField(old, 9) != 0) {
                prompts_.Information(quotedName(name) + QStringLiteral(".\nYou Can not modify this setting!"));
                return false;
            }
            if (!prompts_.Confirm(quotedName(name) + QStringLiteral(" already exists.\nDo you want to overwrite it?")))
                return false;
        }

        // A name already listed keeps its slot and its spelling; only its value string changes.
        if (slotsNamed(store, section, name).isEmpty()) {
            const int count = std::max(0, store.readInteger(section, QStringLiteral("ProfileCount"), 0));
            int slot = 0;
            for (const auto &entry : ReadNumberedTexts(store, section, QStringLiteral("ProfileText"), count)) {
                if (entry.first != slot)
                    break;
                ++slot;
            }
            if (slot >= count) {
                slot = count;
                store.writeString(section, QStringLiteral("ProfileCount"), QString::number(count + 1));
            }
            store.writeString(section, QStringLiteral("ProfileText") + QString::number(slot), name);
        }
        store.writeString(section, name,
                          ProfileValueString(window.videoFormatList().selected(), selectedOf(window.formatList(FormatFamily::VideoAspect)),
                                             selectedOf(window.formatList(FormatFamily::VideoResolution)),
                                             selectedOf(window.formatList(FormatFamily::VideoFrameRate)),
                                             window.videoBitRateField().value(),
                                             selectedOf(window.formatList(FormatFamily::AudioBitrate)),
                                             selectedOf(window.formatList(FormatFamily::AudioSampleRate)),
                                             selectedOf(window.formatList(FormatFamily::AudioVolume))));
        return true;
    });
}

bool ProfileFiles::RemoveProfile(ProfileWindow &window, const QString &rawName) const
{
    return EditProfile(window, rawName, [&](IniFile &store, const QString &section, const QString &name,
                                            const QString &old) {
        const QList<int> namedSlots = slotsNamed(store, section, name);
        if (old == NoDef && namedSlots.isEmpty()) {
            prompts_.Information(quotedName(name) + QStringLiteral(".\nThere is no profile of this name."));
            return false;
        }
        if (ProfileField(old, 9) != 0) {
            prompts_.Information(quotedName(name) + QStringLiteral(".\nYou Can not remove this setting!"));
            return false;
        }
        if (!prompts_.Confirm(quotedName(name) + QStringLiteral(".\nDo you want to remove it?")))
            return false;
        for (int slot : namedSlots)
            store.writeString(section, QStringLiteral("ProfileText") + QString::number(slot), NoDef);
        if (old != NoDef)
            store.writeString(section, name, NoDef);
        return true;
    });
}

QString ProfileFiles::DefinitionValue(const QString &section, const QString &prefix, int n) const
{
    return ReadDefinitionValue(IniFile(definitionPath()), section, prefix, n);
}
