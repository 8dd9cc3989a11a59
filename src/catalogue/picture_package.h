// The picture package: Picture.pic beside the program, a plain run of entries
// "name, one JPEG file, name" with GBK names and nothing else, and None.pic, the editor's
// placeholder picture. Nothing is cached: every lookup reads the files anew.
#pragma once

#include <string>

#include "store/gbk_text.h"

namespace qm {

// The package built into the program (140 entries of 60x48 pictures).
std::string BuiltinPicturePackage();

// ProgramDirectory()/Picture.pic and ProgramDirectory()/None.pic.
std::string PicturePackagePath();
std::string PlaceholderPicturePath();

// Writes the built-in package to PicturePackagePath() when no file is there. An existing file
// is left as it is, so a package put there by the user wins. The write's result is not used.
void EnsurePicturePackage();

// The picture stored under a name in package bytes; empty when there is none or the name is
// empty. The name is searched as raw bytes, letter case significant.
//
// The picture is the one of the first occurrence of the name that opens an entry: the bytes
// after it start a JPEG (FF D8) that ends (FF D9) right where the name occurs again. The end is
// the next occurrence that starts at or after the bytes following the name; when those bytes
// up to it are not a whole JPEG, the JPEG's own end is followed by its markers, so that a
// picture whose data happen to hold the name is still found whole. Only when no occurrence
// opens an entry does the plain cut apply: the bytes after the first occurrence up to the next
// occurrence that does not overlap it, or to the end.
std::string FindPictureInPackage(const std::string& package, const Text& name);

// FindPictureInPackage on the package file; a missing or unreadable file gives empty bytes.
std::string FindUnitPicture(const std::string& packagePath, const Text& name);

// What the editor's unit picture shows: the picture under the name in Picture.pic, otherwise
// the whole content of None.pic (empty when that is missing too).
std::string UnitPictureBytes(const Text& name);

// What the new-unit window's appearance picture shows: the picture under the image name in
// Picture.pic, or nothing.
std::string AppearancePictureBytes(const Text& imageName);

}  // namespace qm
