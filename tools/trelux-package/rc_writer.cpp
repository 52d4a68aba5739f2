#include "rc_writer.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace trelux::package {
namespace {

namespace fs = std::filesystem;

constexpr size_t kBytesPerLine = 48;

std::string scriptName(const std::string& libraryName) {
  return fs::path(libraryName).stem().string() + ".rc";
}

// A file name in a script: forward slashes, quoted; windres takes no escapes
// there, so a name that would need one is refused.
std::string quotedFile(const fs::path& file, bool& ok) {
  const std::string name = file.generic_string();
  for (const char c : name) {
    if (c == '"' || static_cast<unsigned char>(c) < 0x20) ok = false;
  }
  return "\"" + name + "\"";
}

bool writeIfChanged(const fs::path& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  const std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.is_open() && old == text) return true;  // keeps the time stamp, and the build still
  in.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace

std::string rcStrings(std::string_view bytes) {
  std::string out;
  for (size_t start = 0; start < bytes.size(); start += kBytesPerLine) {
    out += start == 0 ? "  \"" : ",\n  \"";
    for (const char c : bytes.substr(start, kBytesPerLine)) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
        out += c;
      } else if (c == '\\') {
        out += "\\\\";
      } else {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\%03o", byte);
        out += escape;
      }
    }
    out += '"';
  }
  return out;
}

std::string moduleScript(const PlannedModule& module, const fs::path& background) {
  std::string script = "// " + module.fileName + ", made by trelux-package from the game folder.\n";
  bool ok = true;
  if (!background.empty()) script += "BACKGROUND BITMAP " + quotedFile(background, ok) + "\n";
  for (const PlannedResource& resource : module.resources) {
    if (!resource.file.empty()) {
      script += resource.name + " RCDATA " + quotedFile(resource.file, ok) + "\n";
    } else if (resource.number) {
      // A long integer: four bytes, little-endian.
      script += resource.name + " RCDATA { " + std::to_string(*resource.number) + "L }\n";
    } else {
      script += resource.name + " RCDATA\n{\n" + rcStrings(resource.bytes) + "\n}\n";
    }
  }
  return ok ? script : std::string();
}

bool writePackageScripts(const PackagePlan& plan, const fs::path& background,
                         const fs::path& outDir, std::ostream& err) {
  std::error_code ec;
  fs::create_directories(outDir, ec);
  std::set<std::string> written;
  auto write = [&](const PlannedModule& module, const fs::path& picture) {
    const std::string script = moduleScript(module, picture);
    const fs::path path = outDir / scriptName(module.fileName);
    if (script.empty()) {
      err << "trelux-package: a file name of " << module.fileName << " cannot go into a script\n";
      return false;
    }
    if (!writeIfChanged(path, script)) {
      err << "trelux-package: cannot write " << path.string() << "\n";
      return false;
    }
    written.insert(path.filename().string());
    return true;
  };
  if (!write(plan.package, background)) return false;
  for (const PlannedModule& component : plan.components) {
    if (!write(component, {})) return false;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(outDir, ec)) {
    if (entry.path().extension() == ".rc" && !written.count(entry.path().filename().string()))
      fs::remove(entry.path(), ec);
  }
  return true;
}

}  // namespace trelux::package
