#include "store/settings.h"

#include "platform/inifiles.h"

std::string app_path;
std::string dat_path;
std::string shift_app_path;
std::string Edit_path;
std::int32_t Width = 0;
std::int32_t title_inifile = 0;
std::int32_t title_inifile_name = 0;
std::string title_inifile_namestring;
std::int32_t title_combo_value = 0;
std::int32_t combo_down = 0;
std::int32_t downcount = 0;

void LoadSettingsFile(const std::string& path, const PositionTarget& position) {
  TIniFile ini(path);
  app_path = ini.ReadString("Path", "app_path", "");
  dat_path = ini.ReadString("Path", "dat_path", "");
  shift_app_path = ini.ReadString("Path", "shift_app_path", "");
  Edit_path = ini.ReadString("Path", "Edit_path", "");
  Width = ini.ReadInteger("Pos", "Width", 200);
  // The position has no variable: it goes to the dialog as soon as it is read.
  const std::int32_t top = ini.ReadInteger("Pos", "Top", 0);
  if (position.setTop) position.setTop(top);
  const std::int32_t left = ini.ReadInteger("Pos", "Left", 0);
  if (position.setLeft) position.setLeft(left);
  title_inifile = ini.ReadInteger("title", "title_inifile", 0);
  title_inifile_name = ini.ReadInteger("title", "title_inifile_name", 0);
  title_inifile_namestring = ini.ReadString("title", "title_inifile_namestring", "");
  title_combo_value = ini.ReadInteger("title", "title_combo_value", 0);
  combo_down = ini.ReadInteger("combo", "combo_down", 0);
  downcount = ini.ReadInteger("combo", "downcount", 5);
}

void SaveSettingsFile(const std::string& path) {
  TIniFile ini(path);
  ini.WriteString("Path", "app_path", app_path);
  ini.WriteString("Path", "dat_path", dat_path);
  ini.WriteString("Path", "shift_app_path", shift_app_path);
  ini.WriteString("Path", "Edit_path", Edit_path);
  ini.WriteInteger("Pos", "Width", Width);
  ini.WriteInteger("title", "title_inifile", title_inifile);
  ini.WriteInteger("title", "title_inifile_name", title_inifile_name);
  ini.WriteString("title", "title_inifile_namestring", title_inifile_namestring);
  ini.WriteInteger("title", "title_combo_value", title_combo_value);
  ini.WriteInteger("combo", "combo_down", combo_down);
  ini.WriteInteger("combo", "downcount", downcount);
}
