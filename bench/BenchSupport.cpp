#include "BenchSupport.h"

#include <fstream>
#include <string>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace quillby::bench {

ScratchFolder::ScratchFolder(const char* purpose)
    : m_path(std::filesystem::temp_directory_path() /
             ("quillby-bench-" + std::string(purpose) + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_path);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

double residentBytes() {
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    double resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

} // namespace quillby::bench
