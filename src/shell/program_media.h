// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animations and sounds the windows look for in the resource folder by
// fixed names. A missing or unreadable one is skipped: its player keeps its
// design content, or stays silent.

#include <vector>

namespace quorvia::media {

// Main window.
inline constexpr char kWhistle[] = "fischio.wav";
inline constexpr char kMascot[] = "mascotte.gif";
inline constexpr char kCornerAnimation[] = "ani2.gif";
inline constexpr char kSideAnimation[] = "ani3.gif";
inline constexpr char kTitleAnimation[] = "gif_animator.gif";
// Score window; its sounds also set how long the count-up lasts.
inline constexpr char kPointSound[] = "ding.wav";
inline constexpr char kNoPointsSound[] = "msg_chiusura.wav";
// Exercise windows.
inline constexpr char kRightSound[] = "bravo.wav";
inline constexpr char kWrongSound[] = "nooo.wav";
inline constexpr char kSolvedWithHelpSound[] = "afinale.wav";
inline constexpr char kSolvedSound[] = "wfinale.wav";
inline constexpr char kWrongAnimation[] = "problema_GIF1.gif";
inline constexpr char kStepAnimation[] = "problema_GIF2.gif";
inline constexpr char kClosingAnimation[] = "problema_GIF3.gif";
inline constexpr char kStepAnimationWithHelp[] = "problema_GIF2A.gif";
inline constexpr char kClosingAnimationWithHelp[] = "problema_GIF3A.gif";

enum class MediaKind {
    Animation,
    Sound,
    TimedSound,  // a sound whose length must be readable as well
};

struct ProgramMedia {
    const char* file;
    MediaKind kind;
    const char* use;  // where it plays, for a teacher
};

// Every one of them, once, in the order a child meets them.
const std::vector<ProgramMedia>& programMedia();

}  // namespace quorvia::media
