#pragma once
// The settings the dialog edits, one variable per key of the settings file, and their loading and
// saving in the fixed order Zuzozi's file expects.
#include <cstdint>
#include <functional>
#include <string>

extern std::string app_path;
extern std::string dat_path;
extern std::string shift_app_path;
extern std::string Edit_path;
extern std::int32_t Width;
extern std::int32_t title_inifile;
extern std::int32_t title_inifile_name;
extern std::string title_inifile_namestring;
extern std::int32_t title_combo_value;
extern std::int32_t combo_down;
extern std::int32_t downcount;

// Where the stored window position goes the moment each value is read.
struct PositionTarget {
  std::function<void(std::int32_t)> setTop;
  std::function<void(std::int32_t)> setLeft;
};

// Reads the thirteen keys of the file at `path` into the variables, in the reading order.
void LoadSettingsFile(const std::string& path, const PositionTarget& position);
// Writes the eleven written keys to the file at `path`, in the writing order. Throws
// EIniFileException at the first key that cannot be written; the keys before it stay written.
void SaveSettingsFile(const std::string& path);
