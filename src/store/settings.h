// Program-wide values, the settings file Install.ini, the game directory rules and the rules
// templates.
#pragma once

#include <string>

#include "store/gbk_text.h"

namespace qm {

// Program-wide values. Texts start empty, numbers at 0.
extern std::string GameDirectory;  // ends with "/" once accepted
extern std::string RulesPath;      // the rules file being edited
extern int GameVersion;            // 1 Red Alert 2, 2 Yuri's Revenge
extern int DirDialogMode;          // 1 directory panel, 0 rules file panel

// Resets the four values (tests).
void ResetProgramValues();

std::string SettingsFilePath();  // ProgramDirectory + "/Install.ini"

// Appends "/" when the text, trimmed of blanks, does not end in "/"; blanks are kept.
std::string NormaliseGameDirectory(const std::string& typed);

// True when the folder (ending with "/") holds Ra2.exe or YURI.exe.
bool IsGameDirectory(const std::string& dir);

// True when "Name" of "General" contains "Red Alert 2".
bool IsRulesFile(const std::string& path);

// 1 when the file name is rules.ini in any letter case, otherwise 2.
int VersionOfRulesPath(const std::string& path);

// "Rules.ini" for version 1, "Rulesmd.ini" otherwise.
const char* RulesFileName(int version);

// Records GameDirectory's Rules.ini / Rulesmd.ini as Ra2Path / YuriPath in the settings file,
// or removes the key when the file is not there.
void RecordDocumentPaths();

// The complete template of a version: four header lines (GBK, CR LF) and the stock body.
std::string TemplateBytes(int version);

// Writes the template to GameDirectory + Rules.ini / Rulesmd.ini. True when written.
bool WriteTemplate(int version);

}  // namespace qm
