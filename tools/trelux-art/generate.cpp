#include "generate.h"

#include <fstream>
#include <sstream>
#include <string>

#include "bmp.h"
#include "contact_sheet.h"
#include "ico.h"
#include "installer_background.h"
#include "moves_plate.h"
#include "panel.h"
#include "pictures.h"
#include "pixel_font.h"
#include "png_file.h"
#include "sounds.h"
#include "tileset.h"

namespace trelux::art {
namespace {

namespace fs = std::filesystem;

bool readSource(const fs::path& path, std::string& text, std::ostream& err) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err << "trelux-art: cannot read " << path.string() << "\n";
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

bool writeOutput(const fs::path& path, const std::string& bytes, std::ostream& err) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    err << "trelux-art: cannot write " << path.string() << "\n";
    return false;
  }
  return true;
}

bool writePictures(const PixelFont& font, const fs::path& out, const fs::path& sheets,
                   std::ostream& err) {
  const Image tileset = drawTileset();
  const Image panel = drawPanel(font);
  const Image digits = drawDigits();
  const Image plate = drawMovesPlate(font);
  bool ok = writeOutput(out / "tileset.bmp", encodeBmp(tileset), err) &&
            writeOutput(out / "colors.bmp", encodeBmp(panel), err) &&
            writeOutput(out / "digits.bmp", encodeBmp(digits), err) &&
            writeOutput(out / "moves.bmp", encodeBmp(plate), err) &&
            writeOutput(out / "icon.ico", encodeIco(drawIcon()), err) &&
            writeOutput(out / "install.bmp", encodeBmp(drawInstallerBackground(font)), err);
  for (const NamedPicture& p : drawHelpPictures()) {
    ok = ok && writeOutput(out / p.name, encodeBmp(p.picture), err);
  }
  return ok && writeOutput(sheets / "tileset.png", encodePng(tilesetSheet(tileset, font)), err) &&
         writeOutput(sheets / "panel.png", encodePng(panelSheet(panel, digits, plate, font)), err);
}

}  // namespace

bool generateAll(const fs::path& sourceDir, const fs::path& outputDir, const fs::path& sheetsDir,
                 std::ostream& err) {
  std::error_code ec;
  fs::create_directories(outputDir, ec);
  fs::create_directories(sheetsDir, ec);
  std::string fontSource;
  if (!readSource(sourceDir / "font.txt", fontSource, err)) return false;
  std::string error;
  const std::optional<PixelFont> font = PixelFont::parse(fontSource, error);
  if (!font) {
    err << "trelux-art: font.txt: " << error << "\n";
    return false;
  }
  return writePictures(*font, outputDir, sheetsDir, err) && writeSounds(sourceDir, outputDir, err);
}

}  // namespace trelux::art
