#include "platform/UserOwnership.h"

#include <pwd.h>
#include <unistd.h>

namespace UserOwnership
{
int invokingUserId()
{
    if (geteuid() != 0)
        return -1;

    // pkexec tells the program it started who asked for it.
    auto text = juce::SystemStats::getEnvironmentVariable ("PKEXEC_UID", {}).trim();

    if (text.isEmpty() || ! text.containsOnly ("0123456789"))
        return -1;

    auto uid = text.getIntValue();
    return uid > 0 ? uid : -1;
}

void handToInvokingUser (const juce::File& item)
{
    auto uid = invokingUserId();

    if (uid < 0 || ! item.exists())
        return;

    auto* account = getpwuid ((uid_t) uid);
    auto gid = account != nullptr ? account->pw_gid : (gid_t) uid;

    if (lchown (item.getFullPathName().toRawUTF8(), (uid_t) uid, gid) != 0)
        juce::Logger::writeToLog ("Cannot hand " + item.getFullPathName() + " to user " + juce::String (uid));
}

bool createUserFolder (const juce::File& folder)
{
    if (folder.isDirectory())
        return true;

    juce::Array<juce::File> missing;

    for (auto f = folder; ! f.exists() && f != f.getParentDirectory(); f = f.getParentDirectory())
        missing.insert (0, f);

    if (! folder.createDirectory())
        return false;

    for (auto& f : missing)
        handToInvokingUser (f);

    return true;
}
} // namespace UserOwnership
