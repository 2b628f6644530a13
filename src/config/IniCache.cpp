#include "config/IniCache.h"

#include <algorithm>
#include <utility>

namespace tgl {

std::vector<TIniCache::TEntry>::iterator TIniCache::Lookup(const std::string& path) {
  return std::find_if(Entries.begin(), Entries.end(),
                      [&](const TEntry& entry) { return entry.Path == path; });
}

void TIniCache::Insert(TEntry entry) {
  Entries.insert(Entries.begin(), std::move(entry));
  if (Entries.size() > Capacity) Entries.resize(Capacity);
}

std::shared_ptr<const TIniDocument> TIniCache::Unchanged(
    const std::string& path, const std::function<bool(std::string_view text)>& holds) {
  auto found = Lookup(path);
  if (found == Entries.end() || !holds(*found->Text)) return nullptr;
  std::rotate(Entries.begin(), found, found + 1);
  return Entries.front().Document;
}

std::shared_ptr<const TIniDocument> TIniCache::Document(const std::string& path, std::string text) {
  auto found = Lookup(path);
  if (found != Entries.end()) {
    if (*found->Text == text) {
      std::rotate(Entries.begin(), found, found + 1);
      return Entries.front().Document;
    }
    Entries.erase(found);
  }
  // The document and the entry share the one copy of the text.
  auto shared = std::make_shared<const std::string>(std::move(text));
  auto document = std::make_shared<TIniDocument>(shared);
  Insert({path, std::move(shared), document});
  return document;
}

std::shared_ptr<TIniDocument> TIniCache::Editable(const std::string& path,
                                                  const std::string& text) {
  std::shared_ptr<TIniDocument> document;
  auto found = Lookup(path);
  if (found != Entries.end()) {
    if (*found->Text == text) document = std::move(found->Document);
    Entries.erase(found);
  }
  if (!document) return std::make_shared<TIniDocument>(text);
  // A reader still holds this version: it keeps it, the edit gets a copy.
  if (document.use_count() > 1) document = std::make_shared<TIniDocument>(*document);
  return document;
}

void TIniCache::Keep(const std::string& path, std::string text,
                     std::shared_ptr<TIniDocument> document) {
  Forget(path);
  Insert({path, std::make_shared<const std::string>(std::move(text)), std::move(document)});
}

void TIniCache::Forget(const std::string& path) {
  auto found = Lookup(path);
  if (found != Entries.end()) Entries.erase(found);
}

}  // namespace tgl
