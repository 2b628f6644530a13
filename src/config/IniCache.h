#pragma once
// Parsed copies of the INI files read last, so that a large Games.CFG is not parsed again
// for every operation. The file is still read every time: a copy is used only when the
// file holds exactly the text it was parsed from (or, after a write of this process, the
// text it wrote). Size and time stamps are not trusted for this: FAT keeps write times in
// steps of two seconds and copy tools keep them, so a rewrite of the same size can leave
// both unchanged; comparing the bytes cannot be fooled. The comparison reads the file in
// small pieces (TFileSystem::FileHolds), so an unchanged file costs no copy of itself.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/IniDocument.h"

namespace tgl {

class TIniCache {
public:
  explicit TIniCache(size_t capacity = 4) : Capacity(capacity) {}
  TIniCache(const TIniCache&) = delete;
  TIniCache& operator=(const TIniCache&) = delete;

  // The copy of `path` when `holds` tells that the file still holds the copy's text;
  // nullptr otherwise.
  std::shared_ptr<const TIniDocument> Unchanged(
      const std::string& path, const std::function<bool(std::string_view text)>& holds);
  // The parsed form of `text`, the content just read from `path`. The document must be
  // treated as read-only; it stays as it is for as long as the caller holds it.
  // EIniTooLarge as TIniDocument raises it.
  std::shared_ptr<const TIniDocument> Document(const std::string& path, std::string text);
  // The same, for an edit: a document that no reader holds. It leaves the cache, so that no
  // reader meets it half-edited, until Keep hands it back with the text its file then holds.
  std::shared_ptr<TIniDocument> Editable(const std::string& path, const std::string& text);
  void Keep(const std::string& path, std::string text, std::shared_ptr<TIniDocument> document);

private:
  struct TEntry {
    std::string Path;
    std::shared_ptr<const std::string> Text;  // the text the document stands for
    std::shared_ptr<TIniDocument> Document;
  };

  std::vector<TEntry>::iterator Lookup(const std::string& path);
  void Insert(TEntry entry);
  void Forget(const std::string& path);

  size_t Capacity;
  std::vector<TEntry> Entries;  // the most recently used first
};

}  // namespace tgl
