// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program_media.h"

namespace quorvia::media {

const std::vector<ProgramMedia>& programMedia()
{
    static const std::vector<ProgramMedia> media = {
        {kWhistle, MediaKind::Sound, "il fischio all'avvio"},
        {kTitleAnimation, MediaKind::Animation, "l'animazione del titolo nella finestra principale"},
        {kCornerAnimation, MediaKind::Animation, "l'animazione della finestra principale e di quella dei punti"},
        {kSideAnimation, MediaKind::Animation, "l'animazione della finestra principale"},
        {kMascot, MediaKind::Animation, "la mascotte della finestra principale"},
        {kRightSound, MediaKind::Sound, "il suono di un passo giusto"},
        {kWrongSound, MediaKind::Sound, "il suono di un errore"},
        {kSolvedSound, MediaKind::Sound, "il suono di un problema finito"},
        {kSolvedWithHelpSound, MediaKind::Sound, "il suono di un problema finito con la soluzione"},
        {kWrongAnimation, MediaKind::Animation, "l'animazione di un errore"},
        {kStepAnimation, MediaKind::Animation, "l'animazione di un passo giusto"},
        {kStepAnimationWithHelp, MediaKind::Animation, "l'animazione di un passo giusto dopo la soluzione"},
        {kClosingAnimation, MediaKind::Animation, "l'animazione di un problema finito"},
        {kClosingAnimationWithHelp, MediaKind::Animation, "l'animazione di un problema finito con la soluzione"},
        {kPointSound, MediaKind::TimedSound, "il suono del conteggio dei punti"},
        {kNoPointsSound, MediaKind::TimedSound, "il messaggio di chiusura senza punti"},
    };
    return media;
}

}  // namespace quorvia::media
