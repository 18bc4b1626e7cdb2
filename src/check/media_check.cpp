// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/media_check.h"

#include "check/lint_common.h"
#include "content/resource_path.h"
#include "platform/gif_player.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "platform/wave_header.h"
#include "shell/program_media.h"

#include <QFile>

namespace quorvia::check {

namespace {

using media::MediaKind;
using platform::MediaState;

std::string named(const media::ProgramMedia& media)
{
    return quote(media.file) + " (" + media.use + ")";
}

void checkAnimation(const media::ProgramMedia& media, const std::string& path, const std::string& file,
                    std::vector<Finding>& out)
{
    switch (platform::inspectAnimation(QString::fromStdString(path))) {
    case MediaState::Whole: return;
    case MediaState::Damaged:
        out.push_back(warning("animation-damaged", file, 0,
                              "l'animazione " + named(media) +
                                  " si interrompe: alcuni fotogrammi non si riescono a leggere."));
        return;
    case MediaState::Unreadable:
        out.push_back(warning("animation-unreadable", file, 0,
                              "l'animazione " + named(media) +
                                  " non si riesce a leggere come GIF: la finestra ne fa a meno."));
        return;
    }
}

void checkSound(const media::ProgramMedia& media, const std::string& path, const std::string& file,
                std::vector<Finding>& out)
{
    QFile input(QString::fromStdString(path));
    const bool opened = platform::isPlainFile(input.fileName()) && input.open(QIODevice::ReadOnly);
    const QByteArray wave = opened ? input.readAll() : QByteArray();
    if (!platform::isPlayableWave(wave)) {
        out.push_back(warning("sound-unplayable", file, 0,
                              "il suono " + named(media) +
                                  " non è un file WAV che Quorvia sappia suonare (PCM a 8, 16 o 32 bit, o "
                                  "32 bit in virgola mobile): non si sentirebbe nulla."));
    } else if (media.kind == MediaKind::TimedSound && !platform::waveLengthSeconds(wave)) {
        out.push_back(warning("sound-length", file, 0,
                              "del suono " + named(media) +
                                  " non si legge la durata: la finestra dei punti usa il suo suono incorporato."));
    }
}

}  // namespace

std::vector<Finding> checkProgramMedia(const std::string& folder)
{
    std::vector<Finding> out;
    for (const media::ProgramMedia& media : media::programMedia()) {
        const std::string path = findResourceFile(folder, media.file);
        if (path.empty()) {
            out.push_back(warning("media-missing", media.file, 0,
                                  "manca il file " + named(media) + ": la finestra ne fa a meno."));
            continue;
        }
        const std::string file = fileNameOf(path);
        addOutsideFolderFinding(folder, media.file, path, "il file", file, 0, out);
        if (media.kind == MediaKind::Animation)
            checkAnimation(media, path, file, out);
        else
            checkSound(media, path, file, out);
    }
    return out;
}

}  // namespace quorvia::check
