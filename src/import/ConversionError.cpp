#include "import/ConversionError.h"

namespace quillby {

Error ConversionError::at(std::string_view fileName, std::size_t lineNumber) const {
    std::string message = what();
    message += " (";
    message += fileName;
    message += ", line ";
    message += std::to_string(lineNumber);
    message += ')';
    return Error(message);
}

} // namespace quillby
