#include "app/CommandLine.h"

#include "app/TextUtils.h"
#include "config/ConfigFiles.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads one argument starting at `pos`; the program name ends at the next quote-aware blank
// without backslash escapes, as Windows itself takes it.
std::string ReadArgument(std::string_view line, size_t& pos, bool programName) {
  std::string argument;
  bool quoted = false;
  while (pos < line.size() && (quoted || !IsBlank(line[pos]))) {
    char c = line[pos];
    if (!programName && c == '\\') {
      size_t slashes = 0;
      while (pos < line.size() && line[pos] == '\\') ++slashes, ++pos;
      if (pos < line.size() && line[pos] == '"') {
        argument.append(slashes / 2, '\\');
        if (slashes % 2) {
          argument += '"';
          ++pos;
        }
      } else {
        argument.append(slashes, '\\');
      }
      continue;
    }
    if (c == '"') {
      if (!programName && quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
        argument += '"';
        pos += 2;
        continue;
      }
      quoted = !quoted;
      ++pos;
      continue;
    }
    argument += c;
    ++pos;
  }
  return argument;
}

}  // namespace

TStrings SplitCommandLine(std::string_view commandLine) {
  TStrings arguments;
  size_t pos = 0;
  bool programName = true;
  while (true) {
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
    if (pos >= commandLine.size()) break;
    std::string argument = ReadArgument(commandLine, pos, programName);
    if (!programName) arguments.push_back(std::move(argument));
    programName = false;
  }
  return arguments;
}

bool HandleCommandLine(const TStrings& arguments) {
  if (!arguments.empty() && arguments.front() == "/?") {
    Messages().ShowMessage(HelpText, TMessageKind::mkInformation);
    return true;
  }
  if (HandleExportCommand(arguments)) {
    Messages().ShowMessage(ExportDoneText, TMessageKind::mkInformation);
    return true;
  }
  return false;
}

bool IsMinimizedSwitch(const TStrings& arguments) {
  return !arguments.empty() && SameText(arguments.front(), "/minimized");
}

}  // namespace tgl
