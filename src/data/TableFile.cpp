#include "data/TableFile.h"

#include "data/CdsReader.h"
#include "data/CdsWriter.h"
#include "data/CdsXmlReader.h"
#include "platform/FileIo.h"

namespace quillby {

namespace {

bool looksLikeXml(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

} // namespace

Table readTableFile(const std::filesystem::path& path) {
    const std::filesystem::path file = findFileIgnoringCase(path);
    const std::string bytes = readWholeFile(file);
    const std::string name = file.string();
    return looksLikeXml(bytes) ? readCdsXml(bytes, name) : readCdsPacket(bytes, name);
}

void writeTableFile(const Table& table, const std::filesystem::path& path) {
    AtomicFile file(findFileIgnoringCase(path));
    writeCdsPacket(table, [&file](std::string_view bytes) { file.write(bytes); });
    file.commit();
}

} // namespace quillby
