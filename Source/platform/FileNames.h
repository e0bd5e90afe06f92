#ifndef IRRIKA_PLATFORM_FILENAMES_H
#define IRRIKA_PLATFORM_FILENAMES_H

// File-name pieces as the program's messages and saved files show them; '/' separates
// folders.

#include <string>

// The name with its extension replaced by extension (which starts with '.'): the extension
// is the text from the last '.' of the last path part, in whatever letters; a name without
// one gets extension appended.
std::string ChangeFileExt(const std::string &fileName, const std::string &extension);

// The last path part: the name without its folder.
std::string ExtractFileName(const std::string &fileName);

#endif
