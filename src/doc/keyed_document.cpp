#include "doc/keyed_document.h"

#include <utility>

#include "base/text.h"

namespace trelux {

KeyedDocument::KeyedDocument() = default;
KeyedDocument::~KeyedDocument() = default;

namespace {

// Options may arrive cast from numbers read elsewhere; only the named
// values are options.
bool isNamed(SectionNames mode) {
  return mode == SectionNames::KeepCase || mode == SectionNames::LowerCase ||
         mode == SectionNames::Single;
}

bool isNamed(KeepCase keep) {
  return keep == KeepCase::Neither || keep == KeepCase::Keys || keep == KeepCase::Values ||
         keep == KeepCase::KeysAndValues;
}

bool keeps(KeepCase keep, KeepCase what) {
  return (static_cast<int32_t>(keep) & static_cast<int32_t>(what)) != 0;
}

}  // namespace

bool KeyedDocument::setSectionCase(SectionNames mode) {
  if (sections_ || !isNamed(mode)) return false;
  sectionMode_ = mode;
  return true;
}

bool KeyedDocument::setNameCase(KeepCase keep) {
  if (sections_ || !isNamed(keep)) return false;
  keepCase_ = keep;
  return true;
}

bool KeyedDocument::setLenient(bool lenient) {
  if (sections_) return false;
  lenient_ = lenient;
  return true;
}

void KeyedDocument::setLoadLimits(size_t maxSections, size_t maxKeys) {
  maxSections_ = maxSections;
  maxKeys_ = maxKeys;
}

std::string KeyedDocument::normalSection(std::string section) const {
  if (sectionMode_ == SectionNames::LowerCase) return toLowerAscii(section);
  if (sectionMode_ == SectionNames::Single) return {};
  return section;
}

std::string KeyedDocument::normalKey(std::string key) const {
  return keeps(keepCase_, KeepCase::Keys) ? key : toLowerAscii(key);
}

std::string KeyedDocument::normalValue(std::string value) const {
  return keeps(keepCase_, KeepCase::Values) ? value : toLowerAscii(value);
}

const KeyedDocument::SectionEntry* KeyedDocument::findSection(const std::string& section) const {
  return sections_ ? sections_->find(normalSection(section)) : nullptr;
}

bool KeyedDocument::isLoaded() const { return sections_ != nullptr; }

bool KeyedDocument::hasSection(std::string section) const {
  return findSection(section) != nullptr;
}

bool KeyedDocument::hasKey(std::string section, std::string key) const {
  const SectionEntry* entry = findSection(section);
  return entry && entry->keys.find(normalKey(std::move(key)));
}

bool KeyedDocument::addSection(std::string section) {
  if (!sections_) sections_ = std::make_unique<SectionTable>();
  std::string name = normalSection(std::move(section));
  if (sections_->find(name)) return false;
  sections_->append(std::move(name));
  return true;
}

bool KeyedDocument::setValue(std::string section, std::string key, std::string value) {
  if (!sections_) return false;
  SectionEntry* entry = sections_->find(normalSection(std::move(section)));
  if (!entry) return false;
  entry->keys.findOrAppend(normalKey(std::move(key))).value = normalValue(std::move(value));
  return true;
}

std::string KeyedDocument::getValue(std::string section, std::string key) const {
  const SectionEntry* entry = findSection(section);
  if (!entry) return {};
  const KeyEntry* found = entry->keys.find(normalKey(std::move(key)));
  return found ? found->value : std::string();
}

std::string& KeyedDocument::valueRef(std::string section, std::string key) {
  if (!sections_) sections_ = std::make_unique<SectionTable>();
  SectionEntry& entry = sections_->findOrAppend(normalSection(std::move(section)));
  return entry.keys.findOrAppend(normalKey(std::move(key))).value;
}

std::deque<std::string> KeyedDocument::sectionNames() const {
  std::deque<std::string> names;
  if (sections_) sections_->forEach([&](const SectionEntry& s) { names.push_back(s.name); });
  return names;
}

}  // namespace trelux
