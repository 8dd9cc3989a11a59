#include "store/settings.h"

#include "store/file_services.h"
#include "store/profile_file.h"

extern "C" {
extern const char qm_ra2_body_begin[];
extern const char qm_ra2_body_end[];
extern const char qm_yr_body_begin[];
extern const char qm_yr_body_end[];
}

namespace qm {

std::string GameDirectory;
std::string RulesPath;
int GameVersion = 0;
int DirDialogMode = 0;

void ResetProgramValues() {
    GameDirectory.clear();
    RulesPath.clear();
    GameVersion = 0;
    DirDialogMode = 0;
}

std::string SettingsFilePath() { return JoinPath(ProgramDirectory(), "Install.ini"); }

std::string NormaliseGameDirectory(const std::string& typed) {
    if (EndsWith(TrimBlanks(typed), "/")) return typed;
    return typed + "/";
}

bool IsGameDirectory(const std::string& dir) {
    return FileExists(dir + "Ra2.exe") || FileExists(dir + "YURI.exe");
}

bool IsRulesFile(const std::string& path) {
    return ContainsText(ReadProfileValue(path, "General", "Name"), "Red Alert 2");
}

int VersionOfRulesPath(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return EqualsNoCase(name, "rules.ini") ? 1 : 2;
}

const char* RulesFileName(int version) { return version == 1 ? "Rules.ini" : "Rulesmd.ini"; }

void RecordDocumentPaths() {
    const std::string settings = SettingsFilePath();
    const struct {
        const char* file;
        const char* key;
    } docs[] = {{"Rules.ini", "Ra2Path"}, {"Rulesmd.ini", "YuriPath"}};
    for (const auto& d : docs) {
        const std::string path = GameDirectory + d.file;
        if (FileExists(path))
            WriteProfileValue(settings, "Document", d.key, path);
        else
            DeleteProfileKey(settings, "Document", d.key);
    }
}

std::string TemplateBytes(int version) {
    static const std::string header =
        Gbk(";红色警戒2配置文件\r\n"
            ";本文件由《Quillmere》生成\r\n"
            ";请勿修改本文件任何数据\r\n"
            ";以下为游戏原版规则数据，修改请使用本程序\r\n");
    if (version == 1) return header + std::string(qm_ra2_body_begin, qm_ra2_body_end);
    return header + std::string(qm_yr_body_begin, qm_yr_body_end);
}

bool WriteTemplate(int version) {
    return WriteWholeFile(GameDirectory + RulesFileName(version), TemplateBytes(version));
}

}  // namespace qm
