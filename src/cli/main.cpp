#include <cstdio>

int main() {
    std::puts("quillby-cli");
    return 0;
}
