// The game's pictures, sounds and avatars, generated at build time.
#pragma once

#include <QDir>
#include <QString>

#include <vector>

namespace gen {

// One file written for the game's compiled-in resources.
struct Output {
    QString type; // upper case: FOND, IMAGES, DMSEG
    QString name; // upper case
    QString file; // relative to the output folder
};

std::vector<Output> writePictures(const QDir &out);
std::vector<Output> writeSounds(const QDir &out);
// Pictures of the small example question pack.
bool writeExamplePack(const QDir &out);
// The note-reading packs aigu and grave and the listening pack ecoutes: pictures and a
// resource list <key>.qrc for each in `out`. False on any failure.
bool writeNotePacks(const QDir &out);
// Animated GIFs; frames go to `work`, the GIFs to `avatars`. False on any failure.
bool writeAvatars(const QDir &avatars, const QDir &work);

// The subject packs' pictures, as <out>/packs/<pack>/<NAME>.png.
bool writePacks(const QDir &out);
// The listening pieces, one WAVE per piece named by its French title.
bool writeListeningPieces(const QDir &ecoutes);
// The pictures and sounds that the sample question text files name.
bool writeTextPictures(const QDir &images);
bool writeTextSounds(const QDir &audio);

} // namespace gen
