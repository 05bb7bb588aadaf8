// Stands in for the main program: writes the arguments it was started with
// to the file named by FQ_RECORD_TO, each followed by a NUL character.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const char* target = std::getenv("FQ_RECORD_TO");
    if (target == nullptr) return 1;
    char temporary[4096];
    std::snprintf(temporary, sizeof temporary, "%s.part", target);
    std::FILE* file = std::fopen(temporary, "wb");
    if (file == nullptr) return 1;
    for (int i = 1; i < argc; ++i) std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, file);
    std::fclose(file);
    return std::rename(temporary, target) == 0 ? 0 : 1;  // the file appears whole
}
