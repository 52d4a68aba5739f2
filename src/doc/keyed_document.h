// An in-memory two-level map (section -> key -> value) of byte strings, the
// store behind the settings file, the set descriptors, the server manifest
// and the download list. It knows nothing of what the keys mean. Loading and
// saving use the line-oriented text format in keyed_document_text.cpp.
//
// Use: construct, set the options, then loadFile or addSection/valueRef,
// query and change, optionally saveFile. Options are fixed once content exists.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "doc/name_table.h"

namespace trelux {

class KeyedDocument {
 public:
  // Section name modes.
  static constexpr int kSectionsKeepCase = 0;
  static constexpr int kSectionsLowerCase = 1;
  static constexpr int kSingleSection = 2;
  // Case flag bits.
  static constexpr int kKeysKeepCase = 1;
  static constexpr int kValuesKeepCase = 2;

  KeyedDocument();
  ~KeyedDocument();
  KeyedDocument(const KeyedDocument&) = delete;
  KeyedDocument& operator=(const KeyedDocument&) = delete;

  bool setSectionCase(int mode);
  bool setNameCase(int flags);
  bool setLenient(int flag);

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
  int sectionMode_ = kSectionsKeepCase;
  int caseFlags_ = kKeysKeepCase | kValuesKeepCase;
  int lenient_ = 0;
};

}  // namespace trelux
