// Time of one full load (13 reads) and one full save (11 writes) of the settings on files that
// Zuzozi's own sections make large, to show how the cost grows with the file.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/text.h"
#include "store/settings.h"

namespace {

namespace fs = std::filesystem;

// A file of about `size` bytes: our sections scattered among Zuzozi's, most of it history lines.
std::string MakeFile(std::size_t size) {
  const std::string history = Ansi("=C:\\データ\\表計算\\一覧_");
  const std::string window = Ansi("=ウィンドウ ");
  std::string filler;
  auto fill = [&](const std::string& section, const std::string& text, std::size_t bytes) {
    filler += "[" + section + "]\r\n";
    for (int i = 0; filler.size() < bytes; ++i) filler += "item" + IntToStr(i) + text + IntToStr(i) + ".dat\r\n";
  };
  std::string file;
  const std::size_t part = size / 4;
  fill("History", history, part);
  file += filler + "[Pos]\r\nTop=100\r\nWidth=640\r\nLeft=50\r\n";
  filler.clear();
  fill("Window", window, part);
  file += filler + "[Path]\r\napp_path=notepad.exe %P\r\ndat_path=" + Ansi("C:\\設定\\表.dat") +
          "\r\nshift_app_path=\r\nEdit_path=editor.exe\r\n";
  filler.clear();
  fill("Recent", history, part);
  file += filler + "[title]\r\ntitle_inifile=1\r\ntitle_inifile_name=0\r\ntitle_inifile_namestring=" +
          Ansi("名前") + "\r\ntitle_combo_value=0\r\n";
  filler.clear();
  fill("Macros", window, size - file.size() - 40);
  file += filler + "[combo]\r\ncombo_down=1\r\ndowncount=8\r\n";
  return file;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main() {
  std::string dir = (fs::temp_directory_path() / "vz-bench-XXXXXX").string();
  if (!mkdtemp(dir.data())) {
    std::perror("mkdtemp");
    return 1;
  }
  std::printf("one load = 13 reads, one save = 11 writes; MiB/s = file size / time of the whole load or save\n");
  std::printf("%-8s %10s | %10s %10s %12s | %10s %10s %12s\n", "file", "bytes", "load ms", "MiB/s",
              "ms per MiB", "save ms", "MiB/s", "ms per MiB");
  const struct {
    const char* name;
    std::size_t size;
  } sizes[] = {{"10 KiB", 10u << 10}, {"1 MiB", 1u << 20}, {"16 MiB", 16u << 20}};
  for (const auto& s : sizes) {
    const std::string path = dir + "/zuzozi.ini";
    const std::string content = MakeFile(s.size);
    std::ofstream(path, std::ios::binary) << content;
    const double mib = static_cast<double>(content.size()) / (1 << 20);

    auto start = std::chrono::steady_clock::now();
    LoadSettingsFile(path, {[](std::int32_t) {}, [](std::int32_t) {}});
    const double load = Seconds(std::chrono::steady_clock::now() - start);
    downcount += 1;  // a changed value, so the save really rewrites a key
    start = std::chrono::steady_clock::now();
    SaveSettingsFile(path);
    const double save = Seconds(std::chrono::steady_clock::now() - start);

    std::printf("%-8s %10zu | %10.2f %10.1f %12.2f | %10.2f %10.1f %12.2f\n", s.name, content.size(),
                load * 1e3, mib / load, load * 1e3 / mib, save * 1e3, mib / save, save * 1e3 / mib);
    if (downcount != 9 || Width != 640) std::printf("  unexpected values read\n");
  }
  fs::remove_all(dir);
  return 0;
}
