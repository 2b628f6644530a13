#pragma once
// A game profile as a file of its own, to keep or move a game with its tuned values: an INI
// text that names this program and the format's version, then the game's title, program
// and parameters, then its values for every tuning definition file it has values for, under
// section names that do not depend on the title, and a last line that shows the file whole.
//
//     ; Tesmora Game Launcher profile file
//     [TesmoraGL profile]
//     Format=TesmoraGL profile 1
//     Title=Quake III Arena
//     Path=C:\Games\Quake3\quake3.exe
//     Parameters=+set r_mode 4
//     WaitForProgram=quake3.exe          (only when the game has one)
//     [Values GeForce]
//     GL Force Antialiasing=1
//     ...
//     [End]
//
// Values are written so that they read back exactly by the rules of INI files: one with
// blanks at an end, or in matching quotes, is put in double quotes. The reader takes
// nothing it does not understand: a file that is not such a profile, or one that is cut or
// damaged, is refused whole with a message that names it.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "base/StringList.h"
#include "profiles/Programs.h"

namespace tgl {

struct TCardValues {
  std::string TuningFile;
  std::vector<std::pair<std::string, std::string>> Values;  // key and value, in file order

  friend bool operator==(const TCardValues&, const TCardValues&) = default;
};

struct TGameProfile {
  std::string Title;
  std::string Path;
  std::string Parameters;
  std::string WaitForProgram;
  std::vector<TCardValues> Cards;

  friend bool operator==(const TGameProfile&, const TGameProfile&) = default;
};

// A file that is not a profile, is damaged, or was written by a newer version.
class EProfileFile : public EError {
public:
  using EError::EError;
};

// A title that the import cannot store: another game holds it, or the store refuses it.
// The caller asks the user for another title and imports again.
class EImportTitle : public EError {
public:
  using EError::EError;
};

inline constexpr size_t MaxProfileFileSize = 1u << 20;
// The extension of profile files, without its dot.
inline constexpr const char* ProfileFileExtension = "tgp";

// Whether the file name ends in ".tgp", letter case ignored.
bool IsProfileFileName(std::string_view fileName);
// The name a profile file of this game is offered under: its title (the Default entry's is
// "Default") without the characters a file name cannot hold, and the extension.
std::string ProfileFileNameFor(const TrlProgramConfig& profile);

std::string ProfileFileText(const TGameProfile& profile);
// `fileName` names the file in the messages. Error EProfileFile.
TGameProfile ParseProfileFile(std::string_view text, const std::string& fileName);

// The profile with every card section it has in Games.CFG (sections without keys left
// out). The Default entry is exported as the title "Default" with its default values and
// no program. Only what the reader takes back exactly is exported: a card section or a
// value it could not read ("GeForce: name") is left out and named in `leftOut`; a program,
// parameters or Wait for program it could not read are an error.
TGameProfile ExportableProfile(const TrlProgramConfig& profile, TStrings* leftOut = nullptr);
// Writes the file crash-safe; returns what was left out. Errors "Unable to write to %s", and
// for a profile larger than a profile file may be (nothing is written then).
TStrings ExportProfile(const TrlProgramConfig& profile, const std::string& fileName);
// Errors EProfileFile, and "%s cannot be read." for a file that cannot be read.
TGameProfile ReadProfileFile(const std::string& fileName);

// Adds the profile as a new game titled `title` (the file's own title unless the user chose
// another): its game section and its card sections in Games.CFG in one write, and the
// profile at the end of `programs`; returns its index. Card sections of that title that no
// game holds are dropped first. Error EImportTitle, with nothing changed, for a title
// another game holds (letter case ignored), or that the store refuses or would not list.
int ImportProfile(TrlPrograms& programs, const TGameProfile& profile, const std::string& title);

}  // namespace tgl
