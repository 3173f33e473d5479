#pragma once

#include "about/VersionInfo.h"

#include <string>
#include <vector>

namespace quillby {

// What the About box shows: its caption and the lines of its text.
struct AboutContent {
    std::string caption;
    std::vector<std::string> lines;
};

// The About box's caption and text from version information (none: the program carries none).
// The caption is the product name; then, for each value that is present and not empty, in this
// order: "Product Version:   V", "By:   V" and an empty line, the file description, "File
// Version:   V" and an empty line, "Copyright:   V" and an empty line, the comments. Without
// version information, or without a language and code-page pair to find its strings by, the
// caption is "About" and the text "No version information available.".
AboutContent buildAboutContent(const VersionInfo* info);

} // namespace quillby
