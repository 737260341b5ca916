#include "core/catalog/MaterialSearch.h"

#include <algorithm>

#include "core/catalog/CommonNames.h"
#include "core/data/MaterialFile.h"
#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

constexpr std::size_t MostCandidatesNamed = 8;

bool IsWordCharacter(char c) { return IsDigit(c) || IsUpper(c) || IsLower(c); }
char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

// Lower case, blanks as '_': "Water liquid" and "water_LIQUID" compare equal.
std::string Folded(std::string_view text) {
  std::string folded;
  for (char c : TrimSpace(text)) folded += IsBlank(c) ? '_' : Lower(c);
  return folded;
}

// The words of a name or title in lower case: runs of ASCII letters and digits.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : std::string(text) + ' ') {
    if (IsWordCharacter(c)) {
      word += Lower(c);
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  return words;
}

const CatalogEntry* ExactName(std::span<const CatalogEntry> entries, std::string_view text) {
  const std::string folded = Folded(text);
  for (const CatalogEntry& entry : entries)
    if (Folded(entry.name) == folded) return &entry;
  return nullptr;
}

// The entries whose names, and titles where titleOf is given, hold every word of text.
std::vector<const CatalogEntry*> ByWords(std::span<const CatalogEntry> entries,
                                         std::string_view text, const TitleOfEntry* titleOf) {
  const std::vector<std::string> wanted = Words(text);
  std::vector<const CatalogEntry*> found;
  if (wanted.empty()) return found;
  for (const CatalogEntry& entry : entries) {
    std::vector<std::string> words = Words(entry.name);
    if (titleOf) std::ranges::move(Words((*titleOf)(entry)), std::back_inserter(words));
    if (std::ranges::all_of(wanted, [&](const std::string& w) {
          return std::ranges::find(words, w) != words.end();
        }))
      found.push_back(&entry);
  }
  return found;
}

Refusal Ambiguous(std::string_view text, const std::vector<const CatalogEntry*>& found) {
  std::string names;
  for (std::size_t k = 0; k < found.size() && k < MostCandidatesNamed; ++k)
    names += (k ? ", " : "") + found[k]->name;
  if (found.size() > MostCandidatesNamed) names += ", ...";
  return Refusal{QuotedText(TrimSpace(text)) + " fits several materials: " + names +
                 "; give one of these names"};
}

}  // namespace

std::string ReadEntryTitle(const CatalogEntry& entry) {
  const Checked<std::string> title = ReadTitleLine(entry.path.string());
  return Refused(title) ? std::string() : std::get<std::string>(title);
}

Checked<CatalogEntry> FindMaterial(std::span<const CatalogEntry> entries, std::string_view text,
                                   std::string_view whereLookedFor, const TitleOfEntry& titleOf) {
  if (TrimSpace(text).empty()) return Refusal{"no material is given"};
  if (const CatalogEntry* exact = ExactName(entries, text)) return *exact;
  const std::optional<std::string_view> common = CommonNameTarget(text);
  const std::string_view wanted = common.value_or(text);
  if (common)
    if (const CatalogEntry* exact = ExactName(entries, wanted)) return *exact;
  // Names first, so that titles are read only where no name holds the words.
  std::vector<const CatalogEntry*> found = ByWords(entries, wanted, nullptr);
  if (found.empty()) found = ByWords(entries, wanted, &titleOf);
  if (found.size() == 1) return *found.front();
  if (found.size() > 1) return Ambiguous(text, found);
  return Refusal{"unknown material " + QuotedText(TrimSpace(text)) + std::string(whereLookedFor)};
}

std::vector<std::size_t> RankMatches(std::span<const CatalogEntry> entries,
                                     std::string_view typed) {
  const std::string folded = Folded(typed);
  std::vector<std::size_t> exact, starting, inside;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::string name = Folded(entries[k].name);
    const std::size_t at = name.find(folded);
    if (at == std::string::npos) continue;
    (name == folded ? exact : at == 0 ? starting : inside).push_back(k);
  }
  exact.insert(exact.end(), starting.begin(), starting.end());
  exact.insert(exact.end(), inside.begin(), inside.end());
  return exact;
}

}  // namespace alphastop
