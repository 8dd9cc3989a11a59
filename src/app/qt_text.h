// Where texts enter and leave widgets. Core texts are GBK byte strings; file names are the
// file system's own bytes (UTF-8) and pass through unchanged.
#pragma once

#include <QString>
#include <string>

#include "store/gbk_text.h"

namespace qm {

inline QString GbkToQt(const Text& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }
inline Text QtToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

inline QString PathToQt(const std::string& path) { return QString::fromStdString(path); }
inline std::string PathFromQt(const QString& path) { return path.toStdString(); }

}  // namespace qm
