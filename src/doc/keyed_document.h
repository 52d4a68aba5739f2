// An in-memory two-level map (section -> key -> value) of byte strings, the
// store behind the settings file, the set descriptors, the server manifest
// and the download list. It knows nothing of what the keys mean. Loading and
// saving use the line-oriented text format in keyed_document_text.cpp.
//
// Use: construct, set the options, then loadFile or addSection/valueRef,
// query and change, optionally saveFile. Options are fixed once content exists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "doc/name_table.h"

namespace trelux {

// How section names are normalised: kept, lower-cased, or all read as one
// nameless section (then saved without headers).
enum class SectionNames : int32_t { KeepCase = 0, LowerCase = 1, Single = 2 };
// Which of keys and values keep their letter case; the others are
// lower-cased (ASCII letters only).
enum class KeepCase : int32_t { Neither = 0, Keys = 1, Values = 2, KeysAndValues = 3 };

class KeyedDocument {
 public:
  KeyedDocument();
  ~KeyedDocument();
  KeyedDocument(const KeyedDocument&) = delete;
  KeyedDocument& operator=(const KeyedDocument&) = delete;

  // Options; false, and nothing changes, once the document has content or
  // for a value outside the enumeration.
  bool setSectionCase(SectionNames mode);
  bool setNameCase(KeepCase keep);
  // Lenient parsing accepts keys before the first section header.
  bool setLenient(bool lenient);
  // A load fails at the first section beyond maxSections, or key beyond
  // maxKeys in one section, as it reads: a file from elsewhere is bounded
  // before it is all in memory. Unlimited by default.
  void setLoadLimits(size_t maxSections, size_t maxKeys);
  // True when the last failed load stopped at one of those limits.
  bool loadHitLimit() const { return limitHit_; }

  bool isLoaded() const;
  bool hasSection(std::string section) const;
  bool hasKey(std::string section, std::string key) const;
  bool addSection(std::string section);
  bool setValue(std::string section, std::string key, std::string value);
  std::string getValue(std::string section, std::string key) const;
  // Creates what is missing; text assigned through the reference is stored verbatim.
  std::string& valueRef(std::string section, std::string key);
  // A snapshot of the section names in storage order.
  std::deque<std::string> sectionNames() const;

  bool loadFile(const std::string& path);
  bool saveFile(const std::string& path) const;

  // The same parse and layout on text in memory (LF line ends in the output;
  // saveFile turns every LF into CR LF as the Windows text mode does).
  bool loadText(std::string_view text);
  std::string toText() const;

 private:
  struct KeyEntry {
    std::string name;
    std::string value;
  };
  struct SectionEntry {
    std::string name;
    NameTable<KeyEntry> keys;
  };
  using SectionTable = NameTable<SectionEntry>;
  class Parser;

  std::string normalSection(std::string section) const;
  std::string normalKey(std::string key) const;
  std::string normalValue(std::string value) const;
  const SectionEntry* findSection(const std::string& section) const;

  std::unique_ptr<SectionTable> sections_;
  SectionNames sectionMode_ = SectionNames::KeepCase;
  KeepCase keepCase_ = KeepCase::KeysAndValues;
  bool lenient_ = false;
  size_t maxSections_ = SIZE_MAX;
  size_t maxKeys_ = SIZE_MAX;
  bool limitHit_ = false;
};

}  // namespace trelux
