#include "publish.h"

#include <cstdio>
#include <ctime>
#include <ostream>
#include <set>
#include <sstream>

#include "base/files.h"
#include "base/host_path.h"
#include "base/text.h"
#include "doc/keyed_document.h"
#include "doc/name_hash.h"
#include "download/downloaded_set.h"
#include "download/internet_error.h"
#include "download/manifest.h"
#include "set_compiler.h"
#include "tool_main.h"

namespace trelux::tool {

namespace {


// FNV-1a over the name, from a given start.
uint64_t fnv(const std::string& text, uint64_t hash) {
  for (unsigned char c : text) hash = (hash ^ c) * 0x100000001b3ull;
  return hash;
}

// The file name of a set's level file: its text file's name, lower-cased,
// with anything but letters, digits, "-" and "_" made "-".
std::string fileStem(const std::string& path) {
  std::string stem = toLowerAscii(ansiName(hostFsPath(path).stem()));
  for (char& c : stem) {
    if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '-' && c != '_') c = '-';
  }
  return stem.empty() ? "set" : stem;
}

// The game lists a manifest's sets in the document's storage order, bucket
// by bucket of the section names' hashes, and within a bucket in the order
// read. Each section gets a name whose bucket is not below the one before,
// so the list shows the sets in the order given here.
std::string sectionName(const std::string& stem, uint32_t& bucket, std::set<std::string>& taken) {
  for (int n = 1;; ++n) {
    const std::string name = n == 1 ? stem : stem + "-" + std::to_string(n);
    const uint32_t b = nameHash(name) % 100;
    if (b >= bucket && taken.insert(name).second) {
      bucket = b;
      return name;
    }
  }
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
  return text;
}

bool validBaseUrl(const std::string& url) {
  return url.rfind("http://", 0) == 0 && url.size() > 7 &&
         url.find_first_of(" \t\r\n") == std::string::npos;
}

struct Published {
  SetSource set;
  std::string file;  // under OUTDIR
};

bool publishSet(const std::string& text, const std::string& outDir, std::set<std::string>& files,
                Published& published, std::string& error) {
  if (!readSetFile(text, published.set, error)) return false;
  published.file = "sets/" + fileStem(text) + ".dat";
  if (!files.insert(published.file).second) {
    error = text + ": another set text of that file name is published already as " + published.file;
    return false;
  }
  const std::string target = outDir + "/" + published.file;
  if (!compileSet(published.set, target, error)) return false;
  if (!isPlayableSetFile(readFileBytes(target).value_or(std::string()))) {
    error = target + ": the compiled set is no file the game would install";
    return false;
  }
  return true;
}

std::string manifestOf(const std::vector<Published>& sets, std::string baseUrl) {
  if (baseUrl.back() != '/') baseUrl += '/';
  KeyedDocument manifest;
  configureManifest(manifest);
  uint32_t bucket = 0;
  std::set<std::string> taken;
  const std::string date = today();
  for (const Published& p : sets) {
    const std::string section = sectionName(fileStem(p.file), bucket, taken);
    manifest.addSection(section);
    manifest.setValue(section, "name", p.set.name);
    manifest.setValue(section, "path", baseUrl + p.file);
    manifest.setValue(section, "guid", publishedGuid(p.set));
    manifest.setValue(section, "date", date);
    if (!p.set.author.empty()) manifest.setValue(section, "author", p.set.author);
  }
  return manifest.toText();
}

// The manifest as the game reads it: every set there, in the order given.
bool gameReadsManifest(const std::string& path, const std::vector<Published>& sets,
                       std::string& error) {
  KeyedDocument doc;
  try {
    readManifest(doc, path);
  } catch (const InternetError& refused) {
    error = path + ": the game would refuse the manifest: " + refused.detail;
    return false;
  }
  const std::vector<ManifestSet> listed = manifestSets(doc);
  for (size_t i = 0; i < sets.size(); ++i) {
    if (i >= listed.size() || listed[i].name != sets[i].set.name) {
      error = path + ": the game would not list the sets in the order given";
      return false;
    }
  }
  return true;
}

}  // namespace

std::string publishedGuid(const SetSource& set) {
  if (!set.guid.empty()) return set.guid;
  const uint64_t a = fnv("trelux set " + set.name, 0xcbf29ce484222325ull);
  const uint64_t b = fnv("trelux set " + set.name, a);
  char text[40];
  std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx",
                static_cast<unsigned>(a >> 32), static_cast<unsigned>((a >> 16) & 0xFFFF),
                static_cast<unsigned>(a & 0xFFFF), static_cast<unsigned>(b >> 48),
                static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
  return text;
}

int runPublish(const std::vector<std::string>& args, const std::string& baseUrl, std::ostream& out,
               std::ostream& err) {
  if (args.size() < 2) return usageError(err, "publish takes a folder and one or more set texts");
  if (!validBaseUrl(baseUrl)) {
    return usageError(err, "publish needs --base-url http://HOST[:PORT]/[PATH]");
  }
  const std::string outDir = args[0];
  for (const char* folder : {"sets", "download/files/trelux"}) {
    const std::string path = outDir + "/" + folder;
    std::string reason;
    if (!createFolders(path, &reason)) return fail(err, "cannot make the folder " + path + ": " + reason);
  }

  std::vector<Published> sets;
  std::set<std::string> files;
  std::string error;
  for (size_t i = 1; i < args.size(); ++i) {
    sets.emplace_back();
    if (!publishSet(args[i], outDir, files, sets.back(), error)) return fail(err, error);
  }
  const std::string manifest = outDir + "/download/files/trelux/download.php";
  std::string text = manifestOf(sets, baseUrl);
  for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
    text.insert(at, "\r");
  }
  if (!writeFileBytes(manifest, text)) return fail(err, "cannot write " + manifest);
  if (!gameReadsManifest(manifest, sets, error)) return fail(err, error);
  for (const Published& p : sets) {
    out << "published \"" << p.set.name << "\" as " << p.file << " (guid " << publishedGuid(p.set)
        << ")\n";
  }
  out << "manifest " << manifest << "\n";
  return 0;
}

}  // namespace trelux::tool
