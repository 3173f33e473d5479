#include "data/TableFile.h"

#include "data/CdsReader.h"
#include "data/CdsWriter.h"
#include "data/CdsXmlReader.h"
#include "data/ChunkedInput.h"
#include "platform/FileIo.h"

namespace quillby {

bool looksLikeXml(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

Table readTableFile(const std::filesystem::path& path) {
    const std::filesystem::path found = findFileIgnoringCase(path);
    InputFile file(found);
    ChunkedInput input(file);
    input.readMore();
    const std::string name = found.string();
    if (!looksLikeXml(input.window())) {
        return readCdsPacket(input, name);
    }
    while (input.readMore()) {
    }
    return readCdsXml(input.window(), name);
}

void writeTableFile(const Table& table, const std::filesystem::path& path) {
    AtomicFile file(findFileIgnoringCase(path));
    writeCdsPacket(table, [&file](std::string_view bytes) { file.write(bytes); });
    file.commit();
}

} // namespace quillby
