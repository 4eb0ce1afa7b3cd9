#include "game/services/questionaudio.h"

#include "platform/audioplayer.h"

#include <QFileInfo>

bool TerminateEngine()
{
    platform::audioPlayer().close();
    return true;
}

bool LoadMP3(const QString &path)
{
    if (!TerminateEngine())
        return false;
    // A question without a sound passes an empty path or the sound folder itself.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    // A file that holds no sound the player knows is refused now, not when the media fails.
    if (!platform::holdsKnownSound(path))
        return false;
    return platform::audioPlayer().open(path);
}

bool PlayMP3()
{
    return platform::audioPlayer().play();
}
