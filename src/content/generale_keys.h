// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GENERALE.INI, known once: every key the program reads, the section it sits
// in, what a missing one reads as, and whether a "|" in it breaks the line.
// The main window reads by these rows, quorvia-check lints by them, and the
// keys of each scheme are numbered from kAllSchemes.

#include "content/ini_file.h"
#include "content/scheme.h"

#include <array>
#include <cstddef>
#include <string>

namespace quorvia::generale {

inline constexpr const char* kFileName = "GENERALE.INI";
inline constexpr const char* kProgramSection = "AREA_PROGRAMMA";

// Where a key sits: [AREA_PROGRAMMA], or the section of each mode.
enum class Place { Program, EachMode };
// How a value is shown: as written ("|" shows as itself), with "|" as a line
// break, or not as text at all (a number, a folder, an address).
enum class Shown { AsWritten, BreakingLines, NotShown };

struct Key {
    const char* name;  // for a key of each scheme the stem: LEV is LEV1, LEV2, ...
    Place place;
    bool each_scheme;  // one key per scheme, numbered 1 to kAllSchemes.size()
    const char* fallback;  // what the program reads when the key is missing
    Shown shown;
    bool required;  // missing, the child meets the fallback ("?", "???")
    const char* shows;  // what shows the value, as a teacher reads it; empty when nothing does
};

inline constexpr Key kQuitButton{"BTN_FINE", Place::Program, false, "?", Shown::AsWritten, true,
                                 "il pulsante per uscire"};
inline constexpr Key kStartButton{"BTN_INIZIO", Place::Program, false, "?", Shown::AsWritten, true,
                                  "il pulsante per iniziare"};
inline constexpr Key kNameFrame{"LBL_NOME", Place::Program, false, "?", Shown::AsWritten, true,
                                "la cornice del nome"};
inline constexpr Key kProblemLabel{"LBL_PROBLEMA", Place::Program, false, "?", Shown::AsWritten, true,
                                   "la scritta davanti al numero del problema"};
inline constexpr Key kHelpButton{"BTN_INTRO", Place::Program, false, "?", Shown::AsWritten, true,
                                 "il pulsante dell'aiuto"};
inline constexpr Key kTitle{"MSG_SCEGLI_PROBLEMA", Place::Program, false, "", Shown::AsWritten, false,
                            "il titolo"};
inline constexpr Key kBlackboard{"MSG_LAVAGNA", Place::Program, false, "???", Shown::BreakingLines, true,
                                 "la lavagna"};
inline constexpr Key kSchemeName{"LEV", Place::Program, true, "", Shown::AsWritten, false,
                                 "il nome dello schema"};
inline constexpr Key kWebPage{"SITO", Place::Program, false, "", Shown::NotShown, false, ""};
inline constexpr Key kDecimalSeparator{"SEPARATORE_DECIMALE", Place::Program, false, "", Shown::NotShown,
                                       false, ""};
inline constexpr Key kProgressFolder{"CARTELLA_PROGRESSI", Place::Program, false, "", Shown::NotShown,
                                     false, ""};
inline constexpr Key kReadAloud{"LEGGI_AD_ALTA_VOCE", Place::Program, false, "0", Shown::NotShown, false,
                                ""};
inline constexpr Key kChildPath{"PERCORSO", Place::Program, false, "1", Shown::NotShown, false, ""};
// The teacher's area's PIN as a salted hash ("sha256:<salt>:<hash>", see
// base/teacher_pin.h), for every user of the folder; none: no PIN, or the
// user's own.
inline constexpr Key kTeacherPin{"PIN_INSEGNANTE", Place::Program, false, "", Shown::NotShown, false, ""};
inline constexpr Key kModeLabel{"LABEL", Place::EachMode, false, "", Shown::AsWritten, false,
                                "il nome del modo"};
inline constexpr Key kProblemFile{"INI_FILE", Place::EachMode, true, "", Shown::NotShown, true, ""};
inline constexpr Key kProblemCount{"MAX", Place::EachMode, true, "1", Shown::NotShown, false, ""};

// Every key, in the order the check reports them.
inline constexpr std::array<Key, 17> kKeys = {
    kQuitButton, kStartButton, kNameFrame,      kProblemLabel,   kHelpButton,
    kTitle,      kBlackboard,  kSchemeName,     kWebPage,        kDecimalSeparator,
    kProgressFolder, kReadAloud, kChildPath,    kTeacherPin,     kModeLabel,
    kProblemFile, kProblemCount,
};

// The section of each mode: "PRINCIPIANTE", "AVANZATO".
const char* modeSection(Mode mode);
inline constexpr std::array<Mode, 2> kModes = {Mode::Beginner, Mode::Advanced};

// The key's name in the file; for a key of each scheme, the one of the
// scheme at `schemeIndex` in kAllSchemes (LEV1 for the first).
std::string keyName(const Key& key, std::size_t schemeIndex = 0);
// The section the key is read from in `mode` (mode matters only for keys of
// each mode).
const char* sectionOf(const Key& key, Mode mode = Mode::Beginner);

// The value as the program reads it: the fallback when missing, and "|" made
// a line break where the key breaks lines.
std::string read(const IniFile& ini, const Key& key, Mode mode = Mode::Beginner, std::size_t schemeIndex = 0);
// MAX<n> as the program reads it: the number of problems of the scheme at
// `schemeIndex` in `mode`, from 1 to kMaxProblems.
int problemCount(const IniFile& ini, Mode mode, std::size_t schemeIndex);

// The row of `key` in `section`; null for a key the program does not read.
const Key* find(const std::string& section, const std::string& key);
// [AREA_PROGRAMMA] or a mode's section.
bool knownSection(const std::string& section);

}  // namespace quorvia::generale
