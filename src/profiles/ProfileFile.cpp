#include "profiles/ProfileFile.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/FileReplace.h"
#include "config/IniFile.h"
#include "platform/Platform.h"
#include "profiles/GamesFile.h"
#include "profiles/ProfileTitle.h"

namespace tgl {
namespace {

constexpr std::string_view HeaderSection = "TesmoraGL profile";
constexpr std::string_view FormatKey = "Format";
constexpr std::string_view FormatPrefix = "TesmoraGL profile ";
constexpr std::string_view FormatVersion = "1";
constexpr std::string_view ValuesPrefix = "Values ";
constexpr std::string_view EndSection = "End";
constexpr std::string_view TitleKey = "Title";
constexpr std::string_view PathKey = "Path";
constexpr std::string_view ParametersKey = "Parameters";
constexpr std::string_view LineEnd = "\r\n";

constexpr const char* NotAProfileText = "\"%s\" is not a profile file of Tesmora Game Launcher.";
constexpr const char* NewerVersionText =
    "The profile file \"%s\" was written by a newer version of Tesmora Game Launcher.";
constexpr const char* DamagedText = "The profile file \"%s\" is damaged: %s.";
constexpr const char* TitleTakenText = "Application title should be unique";
constexpr const char* FieldNotCarriedText =
    "\"%s\" cannot be exported: its %s holds a line break or a zero byte, which a profile "
    "file cannot carry.";
constexpr const char* TooLargeToExportText =
    "The values of \"%s\" do not fit in a profile file (1 MB at most); nothing was written.";

bool IsQuote(char c) { return c == '"' || c == '\''; }

void AppendKey(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append(1, '=').append(ValueText(value)).append(LineEnd);
}

// What the reader takes back exactly: no line break or zero byte anywhere, and a key name
// that is not empty, has no blanks at its ends and does not read as a comment or a section.
bool CanCarryValue(std::string_view value) {
  return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool CanCarryKey(std::string_view key) { return !key.empty() && TIniDocument::IsKeyName(key); }

bool CanCarryTuningFile(std::string_view tuningFile) {
  return !tuningFile.empty() && CanCarryValue(tuningFile) &&
         TrimBlanks(tuningFile).size() == tuningFile.size() &&
         tuningFile.find(']') == std::string_view::npos;
}

// A name as a message can show it: control characters as "?".
std::string PrintableText(std::string_view text) {
  std::string printable(text);
  for (char& c : printable)
    if (static_cast<unsigned char>(c) < ' ') c = '?';
  return printable;
}

// One line of the file as the reader sees it.
struct TProfileLine {
  enum TKind { lkSkipped, lkSection, lkKey, lkBroken } Kind = lkSkipped;
  std::string Name;
  std::string Value;
};

TProfileLine ParseLine(std::string_view raw) {
  TProfileLine line;
  if (raw.find_first_of(std::string_view("\r\0", 2)) != std::string_view::npos) {
    line.Kind = TProfileLine::lkBroken;
    return line;
  }
  std::string_view text = TrimBlanks(raw);
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    // Exactly one "]", at the end: a section name that Games.CFG can hold as it is.
    if (text.back() != ']' || text.find(']') != text.size() - 1) {
      line.Kind = TProfileLine::lkBroken;
      return line;
    }
    line.Kind = TProfileLine::lkSection;
    line.Name = TrimBlanks(text.substr(1, text.size() - 2));
    return line;
  }
  size_t equals = text.find('=');
  std::string_view name = equals == std::string_view::npos ? std::string_view() : TrimBlanks(text.substr(0, equals));
  if (name.empty()) {
    line.Kind = TProfileLine::lkBroken;
    return line;
  }
  std::string_view value = TrimBlanks(text.substr(equals + 1));
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  line.Kind = TProfileLine::lkKey;
  line.Name = name;
  line.Value = value;
  return line;
}

// Reads a profile line by line: the header section with the format first, then the value
// sections, then the end.
class TProfileReader {
public:
  explicit TProfileReader(const std::string& fileName) : FileName(fileName) {}

  TGameProfile Read(std::string_view text) {
    if (text.size() > MaxProfileFileSize) NotAProfile();
    size_t start = 0;
    while (start <= text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view raw = text.substr(start, end - start);
      if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
      ++LineNumber;
      if (end < text.size()) {
        Take(ParseLine(raw));
      } else {
        TakeLastLine(ParseLine(raw));
      }
      start = end + 1;
    }
    if (State == sBeforeHeader || State == sBeforeFormat) NotAProfile();
    if (State != sEnded) Damaged("it ends before its last line");
    if (!HasTitle) Damaged("it names no title");
    return Profile;
  }

private:
  enum TState { sBeforeHeader, sBeforeFormat, sHeader, sValues, sEnded };

  [[noreturn]] void NotAProfile() const { throw EProfileFile(Format(NotAProfileText, {FileName})); }
  [[noreturn]] void Damaged(const std::string& reason) const {
    throw EProfileFile(Format(DamagedText, {FileName, reason}));
  }
  [[noreturn]] void LineNotUnderstood() const {
    Damaged(Format("line %d is not understood", {std::to_string(LineNumber)}));
  }
  [[noreturn]] void LineRepeats() const {
    Damaged(Format("line %d repeats a name", {std::to_string(LineNumber)}));
  }

  // A last line without its line break may be one that was cut: a profile that broke off
  // there is told as such, whatever the rest of the line looks like.
  void TakeLastLine(const TProfileLine& line) {
    try {
      Take(line);
    } catch (const EProfileFile&) {
      if (State == sBeforeHeader || State == sBeforeFormat) throw;
      Damaged("it ends before its last line");
    }
  }

  void Take(const TProfileLine& line) {
    if (line.Kind == TProfileLine::lkSkipped) return;
    switch (State) {
      case sBeforeHeader:
        if (line.Kind != TProfileLine::lkSection || !SameText(line.Name, HeaderSection))
          NotAProfile();
        State = sBeforeFormat;
        return;
      case sBeforeFormat:
        if (line.Kind != TProfileLine::lkKey || !SameText(line.Name, FormatKey)) NotAProfile();
        CheckFormat(line.Value);
        State = sHeader;
        return;
      case sHeader:
        if (line.Kind == TProfileLine::lkKey) return TakeHeaderKey(line);
        break;
      case sValues:
        if (line.Kind == TProfileLine::lkKey) return TakeValue(line);
        break;
      case sEnded:
        LineNotUnderstood();
    }
    if (line.Kind != TProfileLine::lkSection) LineNotUnderstood();
    TakeSection(line.Name);
  }

  void CheckFormat(std::string_view format) const {
    if (!StartsWithText(format, FormatPrefix)) NotAProfile();
    std::string_view version = format.substr(FormatPrefix.size());
    if (version == FormatVersion) return;
    std::optional<int32_t> number = ParseInteger(version);
    if (number && *number > 1 && std::all_of(version.begin(), version.end(), [](char c) {
          return c >= '0' && c <= '9';
        }))
      throw EProfileFile(Format(NewerVersionText, {FileName}));
    NotAProfile();
  }

  void TakeHeaderKey(const TProfileLine& line) {
    std::string* field = nullptr;
    bool* seen = nullptr;
    if (SameText(line.Name, TitleKey)) {
      field = &Profile.Title;
      seen = &HasTitle;
    } else if (SameText(line.Name, PathKey)) {
      field = &Profile.Path;
      seen = &HasPath;
    } else if (SameText(line.Name, ParametersKey)) {
      field = &Profile.Parameters;
      seen = &HasParameters;
    } else if (SameText(line.Name, WaitForProgramKey)) {
      field = &Profile.WaitForProgram;
      seen = &HasWaitForProgram;
    } else {
      LineNotUnderstood();
    }
    if (*seen) LineRepeats();
    *seen = true;
    *field = line.Value;
  }

  // Names are compared upper-cased through a set, so a large file takes time in proportion
  // to its size.
  void TakeValue(const TProfileLine& line) {
    if (!SectionKeys.insert(UpperCase(line.Name)).second) LineRepeats();
    Profile.Cards.back().Values.emplace_back(line.Name, line.Value);
  }

  void TakeSection(const std::string& name) {
    if (SameText(name, EndSection)) {
      State = sEnded;
      return;
    }
    if (!StartsWithText(name, ValuesPrefix)) LineNotUnderstood();
    std::string tuningFile(TrimBlanks(std::string_view(name).substr(ValuesPrefix.size())));
    if (tuningFile.empty()) LineNotUnderstood();
    if (!TuningFiles.insert(UpperCase(tuningFile)).second) LineRepeats();
    Profile.Cards.push_back({tuningFile, {}});
    SectionKeys.clear();
    State = sValues;
  }

  const std::string& FileName;
  TState State = sBeforeHeader;
  int LineNumber = 0;
  TGameProfile Profile;
  bool HasTitle = false, HasPath = false, HasParameters = false, HasWaitForProgram = false;
  std::unordered_set<std::string> TuningFiles;  // upper-cased
  std::unordered_set<std::string> SectionKeys;  // of the current values section, upper-cased
};

// The tuning file of a card section of `profileName`: the name between its prefix and its
// closing "%"; empty for a section that is not such a card section.
std::string TuningFileOf(std::string_view section, std::string_view profileName) {
  size_t prefix = profileName.size() + 2;
  if (!IsCardSectionOf(section, profileName) || section.size() <= prefix + 1 || section.back() != '%')
    return std::string();
  return std::string(section.substr(prefix, section.size() - prefix - 1));
}

}  // namespace

std::string ProfileFileText(const TGameProfile& profile) {
  std::string text = "; Tesmora Game Launcher profile file";
  text.append(LineEnd).append(1, '[').append(HeaderSection).append(1, ']').append(LineEnd);
  AppendKey(text, FormatKey, std::string(FormatPrefix) + std::string(FormatVersion));
  AppendKey(text, TitleKey, profile.Title);
  AppendKey(text, PathKey, profile.Path);
  AppendKey(text, ParametersKey, profile.Parameters);
  if (!profile.WaitForProgram.empty()) AppendKey(text, WaitForProgramKey, profile.WaitForProgram);
  for (const TCardValues& card : profile.Cards) {
    text.append(1, '[').append(ValuesPrefix).append(card.TuningFile).append(1, ']').append(LineEnd);
    for (const auto& [key, value] : card.Values) AppendKey(text, key, value);
  }
  text.append(1, '[').append(EndSection).append(1, ']').append(LineEnd);
  return text;
}

bool IsProfileFileName(std::string_view fileName) {
  const std::string_view extension = ProfileFileExtension;
  return fileName.size() > extension.size() + 1 &&
         fileName[fileName.size() - extension.size() - 1] == '.' &&
         SameText(fileName.substr(fileName.size() - extension.size()), extension);
}

// Windows drops blanks and dots at the end of a file name, so none are offered there.
std::string ProfileFileNameFor(const TrlProgramConfig& profile) {
  const std::string_view forbidden = "\\/:*?\"<>|";
  const std::string title = profile.IsDefault() ? std::string(DefaultProfileName) : profile.Name;
  std::string name;
  for (char c : title)
    if (static_cast<unsigned char>(c) >= ' ' && forbidden.find(c) == std::string_view::npos)
      name += c;
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  if (name.empty()) name = "Profile";
  return name + "." + ProfileFileExtension;
}

TGameProfile ParseProfileFile(std::string_view text, const std::string& fileName) {
  return TProfileReader(fileName).Read(text);
}

TGameProfile ExportableProfile(const TrlProgramConfig& profile, TStrings* leftOut) {
  TGameProfile exported;
  if (profile.IsDefault()) {
    exported.Title = DefaultProfileName;
  } else {
    exported.Title = profile.Name;
    exported.Path = profile.Path;
    exported.Parameters = profile.Parameters;
    exported.WaitForProgram = profile.WaitForProgram;
  }
  const std::pair<std::string_view, const std::string*> fields[] = {
      {PathKey, &exported.Path},
      {ParametersKey, &exported.Parameters},
      {WaitForProgramKey, &exported.WaitForProgram}};
  for (const auto& [name, value] : fields)
    if (!CanCarryValue(*value))
      throw EError(Format(FieldNotCarriedText, {exported.Title, std::string(name)}));
  auto leaveOut = [&](const std::string& what) {
    if (leftOut) leftOut->push_back(what);
  };
  std::shared_ptr<const TIniDocument> games = TIniFile(GamesFilePath()).Snapshot();
  std::unordered_set<std::string> tuningFiles;  // upper-cased
  for (size_t index = 0; index < games->SectionCount(); ++index) {
    std::string_view section = games->SectionName(index);
    std::string tuningFile = TuningFileOf(section, profile.Name);
    // The first section and key of a name are the ones the store reads.
    if (tuningFile.empty() || !tuningFiles.insert(UpperCase(tuningFile)).second) continue;
    if (!CanCarryTuningFile(tuningFile)) {
      leaveOut(std::string(section));
      continue;
    }
    TCardValues card{tuningFile, {}};
    std::unordered_set<std::string> keys;  // upper-cased
    for (const auto& [key, value] : games->KeysWithValues(section)) {
      if (!keys.insert(UpperCase(key)).second) continue;
      if (CanCarryKey(key) && CanCarryValue(value))
        card.Values.emplace_back(key, value);
      else
        leaveOut(tuningFile + ": " +
                 (key.empty() ? "(a value without a name)" : PrintableText(key)));
    }
    if (!card.Values.empty()) exported.Cards.push_back(std::move(card));
  }
  return exported;
}

TStrings ExportProfile(const TrlProgramConfig& profile, const std::string& fileName) {
  TStrings leftOut;
  TGameProfile exported = ExportableProfile(profile, &leftOut);
  std::string text = ProfileFileText(exported);
  if (text.size() > MaxProfileFileSize)
    throw EError(Format(TooLargeToExportText, {exported.Title}));
  ReplaceFileContentOrFail(fileName, text);
  return leftOut;
}

TGameProfile ReadProfileFile(const std::string& fileName) {
  std::optional<std::string> text = Files().ReadFile(fileName, MaxProfileFileSize + 1);
  if (!text) throw EError(Format("%s cannot be read.", {fileName}));
  return ParseProfileFile(*text, fileName);
}

int ImportProfile(TrlPrograms& programs, const TGameProfile& profile, const std::string& title) {
  try {
    CheckListedTitle(title);
  } catch (const EError& error) {
    throw EImportTitle(error.what());
  }
  if (programs.IndexOfName(title) >= 0) throw EImportTitle(TitleTakenText);
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    if (games.HasSection(title)) throw EImportTitle(TitleTakenText);
    // Left behind by a game of that title that is gone: stale values the imported ones replace.
    games.EraseSections([&](std::string_view section) { return IsCardSectionOf(section, title); });
    // The document writes each value so that it reads back exactly, as the profile file does.
    games.Set(title, PathKey, profile.Path);
    games.Set(title, ParametersKey, profile.Parameters);
    if (!profile.WaitForProgram.empty())
      games.Set(title, WaitForProgramKey, profile.WaitForProgram);
    for (const TCardValues& card : profile.Cards)
      games.AddSection(CardSectionName(title, card.TuningFile), card.Values);
  });
  auto game = std::make_unique<TrlProgramConfig>();
  game->Name = title;
  game->Path = profile.Path;
  game->Parameters = profile.Parameters;
  game->WaitForProgram = profile.WaitForProgram;
  return programs.Add(std::move(game));
}

}  // namespace tgl
